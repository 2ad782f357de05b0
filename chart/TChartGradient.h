// The panel gradient: kept as a setting; the panel draws a plain fill.
#pragma once

#include <cstdint>

#include "chart/TChartPersistent.h"
#include "chart/TColor.h"

namespace chart {

enum class TGradientDirection : std::uint8_t { gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft };
using enum TGradientDirection;

class TChartGradient : public TChartPersistent {
 public:
  // ---- Stored, not drawn ----
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { SetProperty(visible_, value); }
  TColor StartColor() const { return startColor_; }
  void SetStartColor(TColor value) { SetProperty(startColor_, value); }
  TColor EndColor() const { return endColor_; }
  void SetEndColor(TColor value) { SetProperty(endColor_, value); }
  TGradientDirection Direction() const { return direction_; }
  void SetDirection(TGradientDirection value) { SetProperty(direction_, value); }

 private:
  bool visible_ = false;
  TColor startColor_ = clWhite;
  TColor endColor_ = clYellow;
  TGradientDirection direction_ = gdTopBottom;
};

}  // namespace chart
