// A picture of at most 256 colours as palette numbers: what the PNG writer encodes.
#pragma once

#include <cstdint>
#include <vector>

namespace png {

struct PaletteImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Palette;  // 0xRRGGBB, 1 to 256 entries
  std::vector<std::uint8_t> Indices;   // top row first, Width bytes a row
};

}  // namespace png
