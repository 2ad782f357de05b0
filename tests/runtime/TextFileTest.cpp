// Text files: every line-end convention, whole-file reads and their errors, CR LF joining.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "runtime/Errors.h"
#include "runtime/TextFile.h"
#include "tests/support/ExpectThrowMessage.h"
#include "tests/support/TempFolder.h"

namespace runtime {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitTextLines, EveryLineEnd) {
  const struct {
    const char* bytes;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR: two line ends
      {"a\r\r\nb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"\n\n", {"", ""}},
      {"x\ty\x01\xFF", {"x\ty\x01\xFF"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SplitTextLines(c.bytes), c.lines) << testing::PrintToString(c.bytes);
  EXPECT_EQ(SplitTextLines(std::string_view("a\0b\nc", 5)), (Lines{std::string("a\0b", 3), "c"}));
}

TEST(JoinLinesCrLf, CrLfAfterEveryLine) {
  EXPECT_EQ(JoinLinesCrLf({}), "");
  EXPECT_EQ(JoinLinesCrLf({""}), "\r\n");
  EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(ReadFileBytes, ReadsExactBytesOrRaisesOpenError) {
  const testsupport::TempFolder temp("textfile");
  const std::filesystem::path& folder = temp.Path();
  const auto file = folder / "lines.txt";
  const std::string bytes("a\r\nb\0\xFF\rc", 8);
  std::ofstream(file, std::ios::binary) << bytes;
  EXPECT_EQ(ReadFileBytes(file), bytes);

  EXPECT_THROW_MSG(ReadFileBytes(folder / "missing.txt"), EFOpenError,
                   "Cannot open file " + (folder / "missing.txt").string());
  EXPECT_THROW_MSG(ReadFileBytes(folder), EFOpenError, "Cannot open file " + folder.string());
  EXPECT_THROW_MSG(ReadFileBytes("/dev/zero"), EFOpenError, "Cannot open file /dev/zero");
}

TEST(ReadFileBytes, UnreadableFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads files whatever their permissions";
  const testsupport::TempFolder folder("unreadable");
  const auto file = folder / "record.txt";
  std::ofstream(file) << "140";
  std::filesystem::permissions(file, std::filesystem::perms::none);
  EXPECT_THROW_MSG(ReadFileBytes(file), EFOpenError, "Cannot open file " + file.string());
}

}  // namespace
}  // namespace runtime
