// The plain bitmap: row layout, padding, and copies that share pixels until one is written.
#include <memory>
#include <utility>

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
  const gif::TBitmap& stored = bitmap;
  EXPECT_EQ(stored.ScanLine(0) - stored.ScanLine(2), 2 * 4);  // the last of three 4-byte rows
  EXPECT_EQ(stored.ScanLine(0)[0], 7);
  EXPECT_EQ(stored.ScanLine(2)[1], 9);
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
  EXPECT_EQ(copy.ScanLine(0), std::as_const(original).ScanLine(0));
  original.ScanLine(0)[0] = 99;
  EXPECT_NE(copy.ScanLine(0), std::as_const(original).ScanLine(0));
  EXPECT_EQ(copy.ScanLine(0)[0], 3);  // blue of (1, 2, 3), untouched
  EXPECT_EQ(original.ScanLine(0)[0], 99);
}

TEST(TBitmap, SharedTopDownRowsAreReadInPlaceAndCopiedBeforeAWrite) {
  // Two 4-byte rows, top row first, as a rendered image holds them.
  const auto rows = std::make_shared<const std::vector<std::uint8_t>>(
      std::vector<std::uint8_t>{1, 2, 3, 0, 4, 5, 6, 0});
  gif::TBitmap bitmap = gif::TBitmap::SharingTopDownRows(
      1, 2, gif::TPixelFormat::pf32bit, std::shared_ptr<const std::uint8_t>(rows, rows->data()));
  const gif::TBitmap copy = bitmap;
  EXPECT_EQ(std::as_const(bitmap).ScanLine(0), rows->data());
  EXPECT_EQ(std::as_const(bitmap).ScanLine(1), rows->data() + 4);
  bitmap.ScanLine(1)[0] = 99;
  EXPECT_EQ((*rows)[4], 4);  // the shared rows stay as they were
  EXPECT_EQ(std::as_const(bitmap).ScanLine(0)[2], 3);
  EXPECT_EQ(std::as_const(bitmap).ScanLine(1)[0], 99);
  EXPECT_EQ(copy.ScanLine(1), rows->data() + 4);
  EXPECT_THROW_MSG(gif::TBitmap::SharingTopDownRows(1, 1, gif::TPixelFormat::pf32bit, nullptr),
                   gif::EInvalidGraphic, "Bitmap image is not valid");
}

}  // namespace
}  // namespace giftest
