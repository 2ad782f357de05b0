// The record line buffer: 0-based lines, empty text past the end, reads cut at 4096 characters.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "analysis/LineBuffer.h"
#include "tests/support/TempFolder.h"

namespace analysis {
namespace {

TEST(LineBuffer, IndexingAndPastTheEnd) {
  const LineBuffer buffer = LineBuffer::FromBytes("zero\r\none\r\n\r\nthree");
  EXPECT_EQ(buffer.Line(0), "zero");
  EXPECT_EQ(buffer.Line(1), "one");
  EXPECT_EQ(buffer.Line(2), "");
  EXPECT_EQ(buffer.Line(3), "three");
  EXPECT_EQ(buffer.Line(4), "");
  EXPECT_EQ(buffer.Line(2000000019), "");
  EXPECT_EQ(buffer.Line(-1), "");
  EXPECT_EQ(LineBuffer().Line(0), "");
}

TEST(LineBuffer, ReadsAtMost4096Characters) {
  const struct {
    size_t length;
    size_t read;
  } cases[] = {{4095, 4095}, {4096, 4096}, {4097, 4096}, {1000000, 4096}, {0, 0}};
  for (const auto& c : cases) {
    const LineBuffer buffer({std::string(c.length, 'a')});
    EXPECT_EQ(buffer.Line(0).size(), c.read) << c.length;
  }
}

TEST(LineBuffer, FileLinesAreReadOnDemandAndEarlierLinesStayValid) {
  const testsupport::TempFolder folder("buffer");
  std::string bytes;
  for (int i = 0; i < 5000; ++i) bytes += "line " + std::to_string(i) + (i % 2 ? "\r\n" : "\n");
  bytes += std::string(5000, 'x');
  std::ofstream(folder / "lines.txt", std::ios::binary) << bytes;

  const LineBuffer buffer = LineBuffer::FromFile(folder / "lines.txt");
  const std::string_view first = buffer.Line(0);
  EXPECT_EQ(buffer.Line(4999), "line 4999");
  EXPECT_EQ(first, "line 0");  // still valid after thousands more lines were read
  EXPECT_EQ(buffer.Line(5000), std::string(4096, 'x'));
  EXPECT_EQ(buffer.Line(5001), "");
  EXPECT_EQ(buffer.Line(-1), "");
  EXPECT_EQ(buffer.Line(17), "line 17");
}

}  // namespace
}  // namespace analysis
