// Reading a file line by line: every line-end convention across buffer boundaries, long lines cut,
// files that report no size, and the files that are refused.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "runtime/Errors.h"
#include "runtime/LineReader.h"
#include "tests/support/ExpectThrowMessage.h"
#include "tests/support/TempFolder.h"

namespace runtime {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

Lines ReadAllLines(const fs::path& path, std::size_t keep = 100000) {
  LineReader reader(path);
  Lines lines;
  std::string line;
  while (reader.Next(line, keep)) lines.push_back(line);
  return lines;
}

fs::path Write(const testsupport::TempFolder& folder, const std::string& bytes) {
  const fs::path path = folder / "lines.txt";
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return path;
}

TEST(LineReader, EveryLineEnd) {
  const testsupport::TempFolder folder("lines");
  // 65536 is the reader's buffer: a CR as its last byte with the LF in the next read must still
  // end one line only.
  const std::string fill(65535, 'x');
  const struct {
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"\n\n", {"", ""}},
      {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
      {fill + "\r\nb", {fill, "b"}},
      {fill + "\rb", {fill, "b"}},
      {fill + "\r", {fill}},
      {fill + "x\r\n", {fill + "x"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadAllLines(Write(folder, c.bytes)), c.lines) << c.bytes.size() << " bytes";
  }
}

TEST(LineReader, KeepsOnlyTheFirstCharactersOfALongLine) {
  const testsupport::TempFolder folder("long");
  const fs::path path = Write(folder, std::string(200000, 'a') + "b\r\nnext\r\n");
  EXPECT_EQ(ReadAllLines(path, 4096), (Lines{std::string(4096, 'a'), "next"}));
  EXPECT_EQ(ReadAllLines(path, 0), (Lines{"", ""}));
}

TEST(LineReader, FileReportingNoSizeIsReadToItsEnd) {
  // Files under /proc report size 0 but have content.
  struct stat status {};
  ASSERT_EQ(::stat("/proc/self/status", &status), 0);
  ASSERT_EQ(status.st_size, 0);
  const Lines lines = ReadAllLines("/proc/self/status");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].rfind("Name:", 0), 0u);
}

TEST(LineReader, RefusedFiles) {
  const testsupport::TempFolder folder("refused");
  const fs::path fifo = folder / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const fs::path large = folder / "large.txt";
  std::ofstream(large).close();
  fs::resize_file(large, kMaxTextFileSize + 1);  // sparse: no disk space used
  const fs::path limit = folder / "limit.txt";
  std::ofstream(limit).close();
  fs::resize_file(limit, kMaxTextFileSize);

  const struct {
    fs::path path;
    std::string message;
  } cases[] = {
      {folder / "missing.txt", "Cannot open file " + (folder / "missing.txt").string()},
      {folder.Path(), "Cannot open file " + folder.Path().string()},
      {"/dev/zero", "Cannot open file /dev/zero"},
      {fifo, "Cannot open file " + fifo.string()},  // refused at once, never waits for a writer
      {large, "Cannot open file " + large.string() +
                  ": it is larger than 256 MiB, the limit for a record"},
  };
  for (const auto& c : cases) EXPECT_THROW_MSG(LineReader{c.path}, EFOpenError, c.message);
  LineReader atTheLimit(limit);  // exactly the limit is allowed
}

TEST(LineReader, UnreadableFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads files whatever their permissions";
  const testsupport::TempFolder folder("unreadable");
  const fs::path file = folder.Write("record.txt", "140");
  fs::permissions(file, fs::perms::none);
  EXPECT_THROW_MSG(LineReader{file}, EFOpenError, "Cannot open file " + file.string());
}

}  // namespace
}  // namespace runtime
