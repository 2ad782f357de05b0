// A 32-bit picture straight to a palette PNG: the file the numbering and the palette writer make
// together, at every bit depth, and nothing past 256 colours.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "png/ColourIndex.h"
#include "png/PngWriter.h"

namespace {

// `colours` colours in runs of 1 to 40, rows sometimes repeating the row above, the alpha byte
// noise, and two padding pixels a row of a colour of their own.
std::vector<std::uint32_t> Runs(int width, int height, unsigned colours, unsigned seed) {
  std::mt19937 random(seed);
  const int stride = width + 2;
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < height; ++y) {
    if (y > 0 && random() % 2 == 0) {
      for (int x = 0; x < stride; ++x)
        pixels.push_back(pixels[pixels.size() - static_cast<std::size_t>(stride)]);
      continue;
    }
    for (int x = 0; x < width;) {
      const int length = std::min<int>(1 + static_cast<int>(random() % 40), width - x);
      const std::uint32_t colour = (random() % colours) * 0x010203u;
      for (int i = 0; i < length; ++i) pixels.push_back(colour | (random() & 0xFF) << 24);
      x += length;
    }
    pixels.insert(pixels.end(), 2, 0xFFABCDEFu);
  }
  return pixels;
}

TEST(EncodeColoursPng, TheFileOfTheNumberingAndThePaletteWriterAtEveryDepth) {
  // 1 and 2 colours make 1-bit files, 3 and 4 2-bit, 5 to 16 4-bit, 17 to 256 8-bit.
  for (const unsigned colours : {1u, 2u, 3u, 4u, 5u, 16u, 17u, 200u, 256u})
    for (const int width : {1, 7, 301}) {
      SCOPED_TRACE(std::to_string(colours) + " colours, " + std::to_string(width) + " wide");
      const int height = colours > 16 ? 120 : 30;
      const std::vector<std::uint32_t> pixels = Runs(width, height, colours, colours + 11);
      const auto indexed = png::IndexColours(pixels.data(), width + 2, width, height);
      ASSERT_TRUE(indexed.has_value());
      const auto file = png::EncodeColoursPng(pixels.data(), width + 2, width, height);
      ASSERT_TRUE(file.has_value());
      EXPECT_EQ(*file, png::EncodePalettePng(*indexed));
    }
}

TEST(EncodeColoursPng, NothingPast256Colours) {
  std::vector<std::uint32_t> pixels(300 * 2, 0xFF000000u);
  for (std::uint32_t i = 0; i < 300; ++i) pixels[300 + i] = 0xFF000000u | i;
  EXPECT_FALSE(png::EncodeColoursPng(pixels.data(), 300, 300, 2).has_value());
}

}  // namespace
