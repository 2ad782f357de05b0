// The plain bitmap: row layout, padding, and copies that share pixels until one is written.
#include "TestSupport.h"

namespace giftest {
namespace {

TEST(TBitmap, RowBytesArePaddedToFour) {
  struct Case {
    int width, bits;
    std::size_t rowBytes;
  } cases[] = {{1, 24, 4}, {5, 24, 16}, {4, 24, 12}, {1, 8, 4}, {5, 8, 8},
               {9, 4, 8},  {33, 1, 8},  {32, 1, 4},  {0, 24, 0}};
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
