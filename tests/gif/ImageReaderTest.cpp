// The converter's BMP and PPM input: row order, channel order, padding and damaged files.
#include "TestSupport.h"
#include "tools/bmp2gif/ImageReader.h"

namespace giftest {
namespace {

// Colour of (x, y), top row 0, as stored in a 24-bit bitmap (blue, green, red).
Rgb At(const gif::TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + 3 * x;
  return {p[2], p[1], p[0]};
}

// A 3 x 2 BMP by hand: rows of 9 bytes padded to 12; bottom-up unless `topDown`.
std::string HandBmp(bool topDown) {
  const std::string top = Bytes({3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0});     // (1,2,3) then black
  const std::string bottom = Bytes({0, 0, 0, 0, 0, 0, 9, 8, 7, 0, 0, 0});  // black then (7,8,9)
  const int height = topDown ? -2 : 2;
  return "BM" + Bytes({78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 3, 0, 0, 0}) +
         Bytes(
             {height & 0xFF, (height >> 8) & 0xFF, (height >> 16) & 0xFF, (height >> 24) & 0xFF}) +
         Bytes({1, 0, 24, 0, 0, 0, 0, 0, 24, 0, 0, 0}) + std::string(16, '\0') +
         (topDown ? top + bottom : bottom + top);
}

TEST(ImageReader, BmpRowsInEitherOrder) {
  for (bool topDown : {false, true}) {
    const gif::TBitmap bitmap = bmp2gif::ReadImage(HandBmp(topDown));
    ASSERT_EQ(bitmap.Width(), 3);
    ASSERT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(At(bitmap, 0, 0), (Rgb{1, 2, 3})) << topDown;
    EXPECT_EQ(At(bitmap, 2, 1), (Rgb{7, 8, 9})) << topDown;
    EXPECT_EQ(At(bitmap, 1, 1), (Rgb{0, 0, 0})) << topDown;
  }
}

TEST(ImageReader, PpmWithCommentsAndSmallMaximum) {
  const gif::TBitmap bitmap =
      bmp2gif::ReadImage("P6 # made by hand\n2 1\n# max\n15\n" + Bytes({15, 0, 5, 0, 15, 0}));
  EXPECT_EQ(At(bitmap, 0, 0), (Rgb{255, 0, 85}));
  EXPECT_EQ(At(bitmap, 1, 0), (Rgb{0, 255, 0}));
}

TEST(ImageReader, DamagedFilesAreRefused) {
  std::string cut = HandBmp(false);
  cut.resize(cut.size() - 1);
  std::string eightBit = HandBmp(false);
  eightBit[28] = 8;
  const std::string cases[] = {cut,
                               eightBit,
                               "P6 2 1 255\n" + Bytes({1, 2, 3}),
                               "P6 0 1 255\n",
                               "P6 2 1 65535\n" + std::string(12, '\0'),
                               "P3 1 1 255\n1 2 3",
                               "GIF89a",
                               ""};
  for (const std::string& bytes : cases)
    EXPECT_THROW(bmp2gif::ReadImage(bytes), bmp2gif::EImageReadError) << Hex(bytes.substr(0, 12));
}

}  // namespace
}  // namespace giftest
