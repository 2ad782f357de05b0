// Resident memory read from the kernel's per-process statistics.
#include "ProcessMemory.h"

#include <unistd.h>

#include <fstream>

namespace reliability {

std::size_t ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  std::size_t total = 0;
  std::size_t resident = 0;
  if (!(statm >> total >> resident)) return 0;
  return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) / 1024;
}

}  // namespace reliability
