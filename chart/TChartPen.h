// Chart pens: colour, style and width plus Visible and SmallDots, in five sets of defaults.
#pragma once

#include <cstdint>

#include "chart/TChartPersistent.h"
#include "chart/TColor.h"

namespace chart {

// How a line is drawn: solid, dashed or dotted patterns, or not at all (psClear).
enum class TPenStyle : std::uint8_t {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame
};
using enum TPenStyle;

class TChartPen : public TChartPersistent {
 public:
  // Black, solid, 1 pixel, visible: wall frames and series lines.
  TChartPen() = default;
  TChartPen(TColor color, TPenStyle style, int width, bool visible)
      : color_(color), style_(style), width_(width), visible_(visible) {}

  TColor Color() const { return color_; }
  void SetColor(TColor value) { SetProperty(color_, value); }
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle value) { SetProperty(style_, value); }
  int Width() const { return width_; }
  void SetWidth(int value) { SetProperty(width_, value); }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { SetProperty(visible_, value); }
  // A 1-pixel visible pen then draws every other pixel.
  bool SmallDots() const { return smallDots_; }
  void SetSmallDots(bool value) { SetProperty(smallDots_, value); }

  // Copies every setting from another pen, notifying once when anything changed.
  void Assign(const TChartPen& source);

 private:
  TColor color_ = clBlack;
  TPenStyle style_ = psSolid;
  int width_ = 1;
  bool visible_ = true;
  bool smallDots_ = false;
};

// Title and legend frames, axis minor grid: hidden until asked for.
class TChartHiddenPen : public TChartPen {
 public:
  TChartHiddenPen() : TChartPen(clBlack, psSolid, 1, false) {}
};

// Axis ticks, inner ticks and minor ticks.
class TDarkGrayPen : public TChartPen {
 public:
  TDarkGrayPen() : TChartPen(clGray, psSolid, 1, true) {}
};

// Axis grid.
class TDottedGrayPen : public TChartPen {
 public:
  TDottedGrayPen() : TChartPen(clGray, psDot, 1, true) {}
};

// The axis line.
class TChartAxisPen : public TChartPen {
 public:
  TChartAxisPen() : TChartPen(clBlack, psSolid, 2, true) {}
};

}  // namespace chart
