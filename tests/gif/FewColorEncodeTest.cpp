// Encoding a picture of few colours from its pixels: byte for byte what the reduction to indices
// and the encoder of indices make of it, and the way back to them for a picture of more colours.
#include <random>

#include "TestSupport.h"
#include "gif/GIFImage.h"
#include "gif/LZWEncoder.h"
#include "gif/ReduceToIndexed.h"

namespace giftest {
namespace {

// Colours given top row first, as a 24-bit bitmap or as a 32-bit one whose unused byte is noise.
gif::TBitmap Picture(int width, int height, const std::vector<Rgb>& topDown, int bits) {
  const gif::TBitmap narrow = TrueColor(width, height, topDown);
  if (bits == 24) return narrow;
  gif::TBitmap wide(width, height, gif::TPixelFormat::pf32bit);
  std::mt19937 noise(7);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::copy_n(narrow.ScanLine(y) + 3 * x, 3, wide.ScanLine(y) + 4 * x);
      wide.ScanLine(y)[4 * x + 3] = static_cast<std::uint8_t>(noise());
    }
  return wide;
}

// Runs of 1 to `longest` pixels of `colours` colours, rows sometimes repeating the row above, like
// a chart with lines and markers.
std::vector<Rgb> Runs(int width, int height, unsigned colours, unsigned longest, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<Rgb> pixels;
  for (int y = 0; y < height; ++y) {
    if (y > 0 && random() % 3 == 0) {
      pixels.insert(pixels.end(), pixels.end() - width, pixels.end());
      continue;
    }
    for (int x = 0; x < width;) {
      const int length = std::min<int>(1 + static_cast<int>(random() % longest), width - x);
      const unsigned c = random() % colours;
      pixels.insert(pixels.end(), static_cast<std::size_t>(length),
                    Rgb{static_cast<std::uint8_t>(c * 37), static_cast<std::uint8_t>(c),
                        static_cast<std::uint8_t>(255 - c)});
      x += length;
    }
  }
  return pixels;
}

struct PictureCase {
  const char* name;
  int width, height;
  std::vector<Rgb> pixels;
};

std::vector<PictureCase> PictureCases() {
  const Rgb a{200, 0, 0}, b{0, 0, 200}, c{0, 150, 0};
  std::vector<PictureCase> cases = {
      {"one pixel", 1, 1, {a}},
      // Equal counts: met first from the bottom up (b), not from the top down (a).
      {"tie met first at the bottom", 4, 2, {a, a, b, b, b, b, a, a}},
      {"three-way tie", 3, 3, {a, b, c, c, a, b, b, c, a}},
      {"chart-like runs", 301, 97, Runs(301, 97, 9, 80, 1)},
      {"runs one to four long", 64, 40, Runs(64, 40, 5, 4, 2)},
      // Enough codes for several resets, with runs crossing them.
      {"many resets", 400, 300, Runs(400, 300, 200, 12, 3)},
  };
  for (int width = 1; width <= 9; ++width)
    cases.push_back({"narrow", width, 7, Runs(width, 7, 3, 5, 10 + static_cast<unsigned>(width))});
  std::vector<Rgb> all;
  for (int i = 0; i < 256; ++i)
    all.insert(all.end(), 3,
               Rgb{static_cast<std::uint8_t>(i), 7, static_cast<std::uint8_t>(i / 2)});
  cases.push_back({"exactly 256 colours", 48, 16, all});
  return cases;
}

TEST(LZWEncodeFewColors, GivesTheReductionsPaletteAndTheIndexEncodersBytes) {
  for (const PictureCase& c : PictureCases())
    for (const int bits : {24, 32}) {
      SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.width) + " wide, " +
                   std::to_string(bits) + "-bit");
      const gif::TBitmap bitmap = Picture(c.width, c.height, c.pixels, bits);
      gif::TPalettePositions positions;
      const gif::TIndexedImage reduced = gif::ReduceToIndexed(bitmap, positions);
      std::string expected;
      gif::LZWEncode(expected, reduced, {}, &positions);

      const auto encoded = gif::LZWEncodeFewColors(bitmap, {});
      ASSERT_TRUE(encoded.has_value());
      ASSERT_EQ(encoded->Palette.size(), reduced.Palette.size());
      for (std::size_t i = 0; i < reduced.Palette.size(); ++i) {
        const gif::TRGBQuad &got = encoded->Palette[i], &want = reduced.Palette[i];
        ASSERT_EQ(std::tie(got.Red, got.Green, got.Blue), std::tie(want.Red, want.Green, want.Blue))
            << "palette entry " << i;
      }
      EXPECT_EQ(Hex(encoded->Data), Hex(expected));
    }
}

TEST(LZWEncodeFewColors, NothingForA257thColourWhereverItIs) {
  std::vector<Rgb> pixels;
  for (int i = 0; i < 257; ++i)
    pixels.push_back(Rgb{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i / 256), 1});
  // 257 colours in the first row; the 257th only in the last pixel.
  for (const int bits : {24, 32}) {
    EXPECT_FALSE(gif::LZWEncodeFewColors(Picture(257, 1, pixels, bits), {}).has_value());
    std::vector<Rgb> late(257 * 3, pixels[0]);
    std::copy(pixels.begin(), pixels.end(), late.end() - 257);
    EXPECT_FALSE(gif::LZWEncodeFewColors(Picture(257, 3, late, bits), {}).has_value());
  }
}

// The 301st colour is met in the last row: the first attempt reports a third of the rows before
// the reduction takes over, whose encoding goes on from there.
TEST(GIFFrame, APictureOfManyColoursFoundLateIsReducedWithProgressGoingOn) {
  std::vector<Rgb> pixels = Runs(300, 3, 5, 40, 4);
  for (int i = 0; i < 300; ++i)
    pixels.push_back(Rgb{static_cast<std::uint8_t>(i), 99, static_cast<std::uint8_t>(i / 3)});
  const gif::TBitmap bitmap = TrueColor(300, 4, pixels);
  gif::TGIFImage image;
  image.Assign(&bitmap);
  using S = gif::TProgressStage;
  std::vector<std::pair<S, int>> seen;
  image.OnProgress = [&](gif::TGIFImage&, S stage, int percent, const std::string&) {
    seen.emplace_back(stage, percent);
  };
  std::string file;
  image.SaveToStream(file);
  const std::vector<std::pair<S, int>> expected = {{S::psStarting, 0},  {S::psRunning, 25},
                                                   {S::psRunning, 50},  {S::psRunning, 75},
                                                   {S::psRunning, 100}, {S::psEnding, 100}};
  EXPECT_EQ(seen, expected);

  const gif::TIndexedImage reduced = gif::ReduceToIndexed(bitmap);
  const DecodedGif decoded = DecodeWithGiflib(file);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 300; ++x) {
      const gif::TRGBQuad& want =
          reduced.Palette[reduced.Rows[static_cast<std::size_t>(3 - y) * reduced.RowBytes() +
                                       static_cast<std::size_t>(x)]];
      ASSERT_EQ(decoded.ColorAt(0, x, y), (Rgb{want.Red, want.Green, want.Blue}))
          << "pixel " << x << ", " << y;
    }
}

}  // namespace
}  // namespace giftest
