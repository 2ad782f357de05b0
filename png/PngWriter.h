// Palette pictures as PNG files, written into memory.
#pragma once

#include <string>

#include "png/PaletteImage.h"

namespace png {

// The picture as a PNG file's bytes: colour type 3 (palette) at the smallest bit depth of 1, 2, 4
// or 8 that holds its palette, no interlacing, every row unfiltered, the data compressed by
// DeflateRows. Every index must be below the palette's size. Raises std::invalid_argument for an
// empty picture, a palette of none or over 256 colours, or indices not Width x Height.
std::string EncodePalettePng(const PaletteImage& image);

}  // namespace png
