// The chart's brush: a fill style and a colour that is not set until given one.
#pragma once

#include <cstdint>

#include "chart/TChartPersistent.h"
#include "chart/TColor.h"

namespace chart {

// How an area is filled: solid, not at all (bsClear) or hatched.
enum class TBrushStyle : std::uint8_t {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};
using enum TBrushStyle;

class TChartBrush : public TChartPersistent {
 public:
  TChartBrush() = default;
  explicit TChartBrush(TBrushStyle style) : style_(style) {}

  TColor Color() const { return color_; }
  // Giving a clear brush a colour makes it solid, so that the colour shows.
  void SetColor(TColor value);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle value) { SetProperty(style_, value); }

  void Assign(const TChartBrush& source);

 private:
  TColor color_ = clNotSet;
  TBrushStyle style_ = bsSolid;
};

}  // namespace chart
