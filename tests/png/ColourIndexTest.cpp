// Colour numbering for palette files: numbers by first occurrence, alpha ignored, rows read
// `stride` apart, and no result past 256 colours.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "png/ColourIndex.h"

namespace {

using Pixels = std::vector<std::uint32_t>;

TEST(ColourIndex, NumbersColoursInOrderOfFirstOccurrence) {
  struct Case {
    const char* what;
    Pixels pixels;
    int stride, width, height;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> indices;
  };
  const std::uint32_t red = 0xFFFF0000, blue = 0xFF0000FF, white = 0xFFFFFFFF;
  const Case cases[] = {
      {"one pixel", {blue}, 1, 1, 1, {0x0000FF}, {0}},
      {"runs and a repeated row",
       {red, red, blue, red, red, blue},
       3,
       3,
       2,
       {0xFF0000, 0x0000FF},
       {0, 0, 1, 0, 0, 1}},
      {"a row that differs from the one above",
       {red, blue, blue, white},
       2,
       2,
       2,
       {0xFF0000, 0x0000FF, 0xFFFFFF},
       {0, 1, 1, 2}},
      {"alpha ignored, in runs and lookups",
       {0x00FF0000, red, 0x7FFF0000, blue},
       4,
       4,
       1,
       {0xFF0000, 0x0000FF},
       {0, 0, 0, 1}},
      // The padding column holds colours of its own that must not be counted.
      {"rows padded",
       {red, blue, 0xFF123456, blue, blue, 0xFF654321},
       3,
       2,
       2,
       {0xFF0000, 0x0000FF},
       {0, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    const auto image = png::IndexColours(c.pixels.data(), c.stride, c.width, c.height);
    ASSERT_TRUE(image) << c.what;
    EXPECT_EQ(image->Width, c.width) << c.what;
    EXPECT_EQ(image->Height, c.height) << c.what;
    EXPECT_EQ(image->Palette, c.palette) << c.what;
    EXPECT_EQ(image->Indices, c.indices) << c.what;
  }
}

TEST(ColourIndex, NothingPast256Colours) {
  for (const int colours : {256, 257}) {
    Pixels pixels;
    for (int i = 0; i < colours; ++i)
      pixels.push_back(0xFF000000u | static_cast<std::uint32_t>(i) * 0x10101u);
    const auto image = png::IndexColours(pixels.data(), colours, colours, 1);
    EXPECT_EQ(image.has_value(), colours == 256) << colours;
    if (image) {
      EXPECT_EQ(image->Palette.size(), 256u);
    }
  }
}

}  // namespace
