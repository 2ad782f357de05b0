// A record followed by a great many lines (which the format ignores) loads as the record alone
// does, and reading it costs memory for the record's lines only.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "analysis/RecordLoader.h"
#include "runtime/TextFile.h"
#include "tests/runtime/SeparatorGuard.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestRecord.h"

namespace analysis {
namespace {

namespace fs = std::filesystem;

// The highest resident size this process reached, in KiB.
long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

void WriteRecord(const fs::path& path, std::size_t paddingLines) {
  std::ofstream out(path, std::ios::binary);
  out << runtime::JoinLinesCrLf(testsupport::StandardRecordLines());
  const std::string chunk(1 << 20, '\n');
  for (std::size_t left = paddingLines; left > 0; left -= std::min(left, chunk.size())) {
    out.write(chunk.data(), static_cast<std::streamsize>(std::min(left, chunk.size())));
  }
}

TEST(PaddedRecord, LoadsLikeTheRecordAlone) {
  runtime::SeparatorGuard guard('.', ',');
  const testsupport::TempFolder folder("padded");
  WriteRecord(folder / "plain.txt", 0);
  WriteRecord(folder / "padded.txt", 3'000'000);
  const LoadedRecord plain = LoadRecordFile(folder / "plain.txt");
  const LoadedRecord padded = LoadRecordFile(folder / "padded.txt");
  EXPECT_EQ(padded.Record, plain.Record);
  EXPECT_EQ(padded.Report, plain.Report);
}

TEST(PaddedRecord, MemoryFollowsTheRecordNotTheFile) {
  // 64 MiB of empty lines: held as a list of strings they took over 2 GB. A child process measures
  // its own peak, so what the rest of the suite allocated does not count.
  runtime::SeparatorGuard guard('.', ',');
  const testsupport::TempFolder folder("padded-memory");
  WriteRecord(folder / "padded.txt", 64u << 20);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const long before = PeakResidentKiB();
    const LoadedRecord loaded = LoadRecordFile(folder / "padded.txt");
    const long grown = PeakResidentKiB() - before;
    ::_exit(loaded.Record.StimulusCount == 2 && grown < 8 * 1024 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "peak grew by 8 MiB or more";
}

}  // namespace
}  // namespace analysis
