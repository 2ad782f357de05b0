// Taking an indexed bitmap's pixels as they are.
#include "gif/IndexedImage.h"

#include <cassert>
#include <numeric>

namespace gif {

TPalettePositions SamePositions() {
  TPalettePositions positions;
  std::iota(positions.begin(), positions.end(), std::uint8_t{0});
  return positions;
}

TIndexedImage IndexedImageOf(const TBitmap& bitmap) {
  assert(bitmap.Indexed());
  TIndexedImage image;
  image.Width = bitmap.Width();
  image.Height = bitmap.Height();
  image.BitCount = bitmap.BitCount();
  image.Palette = bitmap.Palette();
  image.Rows.reserve(bitmap.ImageSize());
  for (int y = bitmap.Height() - 1; y >= 0 && bitmap.Width() > 0; --y)
    image.Rows.insert(image.Rows.end(), bitmap.ScanLine(y), bitmap.ScanLine(y) + bitmap.RowBytes());
  return image;
}

}  // namespace gif
