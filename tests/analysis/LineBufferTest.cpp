// The record line buffer: 0-based lines, empty text past the end, reads cut at 4096 characters.
#include <gtest/gtest.h>

#include "analysis/LineBuffer.h"

namespace analysis {
namespace {

TEST(LineBuffer, IndexingAndPastTheEnd) {
  const LineBuffer buffer = LineBuffer::FromBytes("zero\r\none\r\n\r\nthree");
  EXPECT_EQ(buffer.Count(), 4u);
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

}  // namespace
}  // namespace analysis
