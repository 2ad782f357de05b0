// A temporary folder per test; folders made read-only by a test are made writable again to remove
// them.
#include "tests/support/TempFolder.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <string>
#include <system_error>

namespace testsupport {

namespace fs = std::filesystem;

TempFolder::TempFolder(std::string_view label) {
  static std::atomic<int> counter{0};
  path_ = fs::temp_directory_path() /
          (std::string(label) + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

std::filesystem::path TempFolder::Write(const std::filesystem::path& name,
                                        std::string_view bytes) const {
  const fs::path path = path_ / name;
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  for (auto it = fs::recursive_directory_iterator(path_, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testsupport
