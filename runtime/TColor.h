// Colour values: 32-bit, red in the low byte, then green, then blue; two special markers and the
// system colours.
#pragma once

#include <cstdint>

namespace runtime {

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clYellow = 0x00FFFF;

// "Not set, take the colour from the context"; compared exactly.
inline constexpr TColor clNotSet = 0x80000000;
// No colour: a null chart point (no line ends at it, no marker), no transparency, no background.
inline constexpr TColor clNone = 0x1FFFFFFF;

// System colours (high bit set, low byte the system colour index); the canvas resolves them.
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clBtnShadow = 0x80000010;
inline constexpr TColor clBtnHighlight = 0x80000014;

// The plain RGB value of a colour: system colours resolve to the classic desktop scheme. Not for
// clNotSet or clNone, which the drawing code replaces before a colour reaches the canvas.
constexpr TColor ColorToRGB(TColor color) {
  if ((color & 0xFF000000u) != 0x80000000u) return color & 0xFFFFFFu;
  switch (color & 0xFFu) {
    case 0x0F: return 0xF0F0F0;  // button face
    case 0x10: return 0xA0A0A0;  // button shadow
    case 0x14: return 0xFFFFFF;  // button highlight
    case 0x05: return 0xFFFFFF;  // window
    case 0x08: return 0x000000;  // window text
    default: return 0x000000;
  }
}

}  // namespace runtime
