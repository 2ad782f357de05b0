// The colours the canvas tests paint and look for, as QImage pixels.
#pragma once

#include <QRgb>

namespace chart::colours {

inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kBlack = 0xFF000000;
inline constexpr QRgb kRed = 0xFFFF0000;
inline constexpr QRgb kGreen = 0xFF008000;
inline constexpr QRgb kBlue = 0xFF0000FF;

}  // namespace chart::colours
