// Seeded random pictures of random sizes, colour counts and depths, written by the library and read
// back by giflib: the pixels must come back exactly (or as their nearest palette colour).
#include <map>
#include <random>

#include "TestSupport.h"
#include "gif/GIFImage.h"

namespace giftest {
namespace {

constexpr int kPictures = 60;

std::string Save(const gif::TBitmap& bitmap) {
  gif::TGIFImage image;
  image.Assign(&bitmap);
  std::string bytes;
  image.SaveToStream(bytes);
  return bytes;
}

int Distance(const Rgb& a, const Rgb& b) {
  int sum = 0;
  for (int c = 0; c < 3; ++c) sum += (a[c] - b[c]) * (a[c] - b[c]);
  return sum;
}

TEST(RoundTrip, TrueColourPicturesDecodeToTheirColoursOrTheNearest) {
  std::mt19937 random(20240601);
  const int colourCounts[] = {1, 2, 5, 255, 256, 257, 600, 2049};
  for (int n = 0; n < kPictures; ++n) {
    const int width = 1 + static_cast<int>(random() % 157);
    const int height = 1 + static_cast<int>(random() % 61);
    const int colours = colourCounts[random() % std::size(colourCounts)];
    std::vector<Rgb> ink(static_cast<std::size_t>(colours));
    for (Rgb& c : ink)
      c = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
           static_cast<std::uint8_t>(random())};
    std::vector<Rgb> pixels(static_cast<std::size_t>(width * height));
    for (Rgb& p : pixels) p = ink[random() % ink.size()];
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height) + ", " +
                 std::to_string(colours) + " colours");

    const DecodedGif gif = DecodeWithGiflib(Save(TrueColor(width, height, pixels)));
    ASSERT_EQ(gif.Frames.size(), 1u);
    ASSERT_EQ(gif.Frames[0].Width, width);
    ASSERT_EQ(gif.Frames[0].Height, height);
    ASSERT_EQ(gif.GlobalColors.size(), 256u);
    std::map<Rgb, int> distinct;
    for (const Rgb& p : pixels) ++distinct[p];
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const Rgb& source = pixels[static_cast<std::size_t>(y * width + x)];
        const Rgb decoded = gif.ColorAt(0, x, y);
        if (distinct.size() <= 256) {
          ASSERT_EQ(decoded, source) << x << "," << y;
        } else {
          // At most 2049 colours: no masking, so the nearest of the 256 table colours.
          int best = 1 << 30;
          for (const Rgb& c : gif.GlobalColors) best = std::min(best, Distance(c, source));
          ASSERT_EQ(Distance(decoded, source), best) << x << "," << y;
        }
      }
    }
  }
}

TEST(RoundTrip, IndexedPicturesDecodeToTheirIndicesAndPalette) {
  std::mt19937 random(77);
  const int depths[] = {1, 4, 8};
  for (int n = 0; n < kPictures; ++n) {
    const int bits = depths[random() % 3];
    const int width = 1 + static_cast<int>(random() % 300);
    const int height = 1 + static_cast<int>(random() % 40);
    // Few distinct values make long strings; many make the table fill and reset.
    const unsigned used = 1 + random() % (1u << bits);
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(width * height));
    for (auto& i : indices) i = static_cast<std::uint8_t>(random() % used);
    gif::TBitmap bitmap = Indexed(width, height, bits, indices);
    for (int i = 0; i < (1 << bits); ++i)
      bitmap.SetPaletteEntry(i, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                             7);
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height) + "x" + std::to_string(bits));

    const DecodedGif gif = DecodeWithGiflib(Save(bitmap));
    EXPECT_EQ(gif.Version, "87a");
    ASSERT_EQ(gif.GlobalColors.size(), std::size_t{1} << bits);
    EXPECT_EQ(gif.GlobalColors.back(), (Rgb{static_cast<std::uint8_t>((1 << bits) - 1),
                                            static_cast<std::uint8_t>(256 - (1 << bits)), 7}));
    EXPECT_EQ(gif.Frames.at(0).Indices, indices);
  }
}

}  // namespace
}  // namespace giftest
