// The plain bitmap: row layout, padding, and copies that share pixels until one is written.
#include "TestSupport.h"
#include "gif/GIFErrors.h"

namespace giftest {
namespace {

TEST(TBitmap, RowBytesArePaddedToFour) {
  struct Case {
    int width, bits;
    std::size_t rowBytes;
  } cases[] = {{1, 24, 4}, {5, 24, 16}, {4, 24, 12}, {1, 8, 4},  {5, 8, 8},
               {9, 4, 8},  {33, 1, 8},  {32, 1, 4},  {0, 24, 0}, {5, 32, 20}};
  for (const Case& c : cases)
    EXPECT_EQ(gif::BmpRowBytes(static_cast<std::size_t>(c.width), c.bits), c.rowBytes)
        << c.width << "x" << c.bits;
}

TEST(TBitmap, ScanLineZeroIsTheTopRowStoredLast) {
  gif::TBitmap bitmap(2, 3, gif::TPixelFormat::pf8bit);
  bitmap.ScanLine(0)[0] = 7;
  bitmap.ScanLine(2)[1] = 9;
  EXPECT_EQ(bitmap.Bits()[2 * 4], 7);  // top row: the last of three 4-byte rows
  EXPECT_EQ(bitmap.Bits()[1], 9);
  EXPECT_EQ(bitmap.Palette().size(), 256u);
}

TEST(TBitmap, GivenRowsAreTakenAsTheyAreAndMustFit) {
  std::vector<std::uint8_t> rows(2 * 8, 0);
  rows[8] = 42;  // first byte of the second row in memory: the top row's first pixel
  const gif::TBitmap bitmap(2, 2, gif::TPixelFormat::pf32bit, rows);
  EXPECT_EQ(bitmap.ScanLine(0)[0], 42);
  EXPECT_THROW_MSG(gif::TBitmap(2, 2, gif::TPixelFormat::pf32bit, std::vector<std::uint8_t>(15)),
                   gif::EInvalidGraphic, "Bitmap image is not valid");
}

TEST(TBitmap, CopiesShareUntilWritten) {
  gif::TBitmap original = TrueColor(2, 1, {{1, 2, 3}, {4, 5, 6}});
  const gif::TBitmap copy = original;
  EXPECT_EQ(copy.Bits(), original.Bits());
  original.ScanLine(0)[0] = 99;
  EXPECT_NE(copy.Bits(), original.Bits());
  EXPECT_EQ(copy.ScanLine(0)[0], 3);  // blue of (1, 2, 3), untouched
  EXPECT_EQ(original.ScanLine(0)[0], 99);
}

}  // namespace
}  // namespace giftest
