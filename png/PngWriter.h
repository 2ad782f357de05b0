// Palette pictures as PNG files, written into memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "png/PaletteImage.h"

namespace png {

// The picture as a PNG file's bytes: colour type 3 (palette) at the smallest bit depth of 1, 2, 4
// or 8 that holds its palette, no interlacing, every row unfiltered, the data compressed by
// DeflateRows. Every index must be below the palette's size. Raises std::invalid_argument for an
// empty picture, a palette of none or over 256 colours, or indices not Width x Height.
std::string EncodePalettePng(const PaletteImage& image);

// The file EncodePalettePng makes of IndexColours' numbering of the 32-bit picture (0xAARRGGBB,
// alpha ignored, rows `stride` pixels apart), without the numbered picture between them: each row
// is numbered and packed while it is cached. Nothing for a picture of over 256 colours. Raises
// std::invalid_argument for an empty picture.
std::optional<std::string> EncodeColoursPng(const std::uint32_t* pixels, std::ptrdiff_t stride,
                                            int width, int height);

}  // namespace png
