// Numbers the colours of a 32-bit picture for a palette file, in one pass.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "png/PaletteImage.h"

namespace png {

// The picture as palette numbers, colours numbered in order of first occurrence (top row first,
// left to right). `pixels` holds `height` rows of `width` 0xAARRGGBB pixels, `stride` pixels apart;
// the alpha byte is ignored. Nothing when the picture has more than 256 colours.
std::optional<PaletteImage> IndexColours(const std::uint32_t* pixels, std::ptrdiff_t stride,
                                         int width, int height);

}  // namespace png
