// The working 24-bit picture, reduced by the histogram method into a new 8-bit indexed image.
#include "gif/ReduceToIndexed.h"

#include "gif/FewColorReduce.h"
#include "gif/GIFErrors.h"
#include "gif/HistogramReduce.h"

namespace gif {
namespace {

// Index of pixel x in a row of 1-, 4- or 8-bit pixels, most significant bits first.
std::uint8_t IndexAt(const std::uint8_t* row, int x, int bitCount) {
  switch (bitCount) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4: return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
    default: return row[x];
  }
}

// An indexed bitmap's pixels as a 24-bit bitmap.
TBitmap TrueColorOf(const TBitmap& bitmap) {
  TBitmap trueColor(bitmap.Width(), bitmap.Height(), TPixelFormat::pf24bit);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* source = bitmap.ScanLine(y);
    std::uint8_t* pixel = trueColor.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, pixel += 3) {
      const TRGBQuad& colour = bitmap.Palette()[IndexAt(source, x, bitmap.BitCount())];
      pixel[0] = colour.Blue;
      pixel[1] = colour.Green;
      pixel[2] = colour.Red;
    }
  }
  return trueColor;
}

// `positions`, when given, starts as each number its own position.
TIndexedImage Reduce(const TBitmap& bitmap, TPalettePositions* positions) {
  if (bitmap.Empty()) throw InvalidBitmapError();
  if (bitmap.PixelFormat() == TPixelFormat::pf8bit) return IndexedImageOf(bitmap);

  TIndexedImage indexed;
  indexed.Width = bitmap.Width();
  indexed.Height = bitmap.Height();
  indexed.BitCount = 8;
  indexed.Rows.resize(indexed.RowBytes() * static_cast<std::size_t>(indexed.Height));
  const TBitmap trueColor = bitmap.Indexed() ? TrueColorOf(bitmap) : bitmap;
  // Pictures of few colours, such as charts, take the one-pass way to the same result.
  if (!ReduceFewColors(trueColor, indexed, positions))
    HistogramReduce(trueColor, indexed, 256, TColorMasks{});
  return indexed;
}

}  // namespace

TIndexedImage ReduceToIndexed(const TBitmap& bitmap) { return Reduce(bitmap, nullptr); }

TIndexedImage ReduceToIndexed(const TBitmap& bitmap, TPalettePositions& positions) {
  positions = SamePositions();
  return Reduce(bitmap, &positions);
}

}  // namespace gif
