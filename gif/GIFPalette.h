// A GIF colour table and the colour values (red in the low byte) it is matched against.
#pragma once

#include <array>
#include <cstdint>

#include "runtime/TColor.h"

namespace gif {

using runtime::clNone;
using runtime::TColor;

struct TGIFColor {
  std::uint8_t Red = 0;
  std::uint8_t Green = 0;
  std::uint8_t Blue = 0;
};

struct TGIFPalette {
  std::int32_t Count = 0;  // entries in use, 0 to 256
  std::array<TGIFColor, 256> Colors{};

  // Index of the first entry in use with the colour's red, green and blue, or -1.
  int IndexOf(TColor colour) const {
    const auto red = static_cast<std::uint8_t>(colour & 0xFF);
    const auto green = static_cast<std::uint8_t>((colour >> 8) & 0xFF);
    const auto blue = static_cast<std::uint8_t>((colour >> 16) & 0xFF);
    for (int i = 0; i < Count; ++i) {
      const TGIFColor& c = Colors[static_cast<std::size_t>(i)];
      if (c.Red == red && c.Green == green && c.Blue == blue) return i;
    }
    return -1;
  }
};

}  // namespace gif
