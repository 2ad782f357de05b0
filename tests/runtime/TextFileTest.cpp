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

}  // namespace
}  // namespace runtime
