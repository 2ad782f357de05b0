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
  if (const std::uint8_t* bits = bitmap.Bits()) image.Rows.assign(bits, bits + bitmap.ImageSize());
  return image;
}

}  // namespace gif
