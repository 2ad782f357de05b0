// A picture of palette indices: what the colour reduction hands to the LZW encoder.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "gif/Bitmap.h"

namespace gif {

struct TIndexedImage {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  int BitCount = 8;                // 1, 4 or 8 bits per pixel
  std::vector<TRGBQuad> Palette;   // 2^BitCount entries
  std::vector<std::uint8_t> Rows;  // bottom row first, each padded to 4 bytes; high bits first

  std::size_t RowBytes() const { return BmpRowBytes(static_cast<std::size_t>(Width), BitCount); }
};

// For rows numbered before their palette order was known: the palette position of each number.
using TPalettePositions = std::array<std::uint8_t, 256>;

// Each number its own position.
TPalettePositions SamePositions();

// An indexed bitmap's own palette and rows, unchanged.
TIndexedImage IndexedImageOf(const TBitmap& bitmap);

}  // namespace gif
