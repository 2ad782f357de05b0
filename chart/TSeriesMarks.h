// The marks (value captions) of a series: kept as settings only; the chart draws no marks.
#pragma once

#include <cstdint>

#include "chart/TChartFont.h"
#include "chart/TChartPen.h"
#include "chart/TChartPersistent.h"
#include "chart/TColor.h"

namespace chart {

enum class TSeriesMarksStyle : std::uint8_t {
  smsValue,
  smsPercent,
  smsLabel,
  smsLabelPercent,
  smsLabelValue,
  smsLegend,
  smsPercentTotal,
  smsLabelPercentTotal,
  smsXValue
};
using enum TSeriesMarksStyle;

class TSeriesMarks : public TChartPersistent {
 public:
  // ---- Stored, not drawn ----
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { SetProperty(visible_, value); }
  TSeriesMarksStyle Style() const { return style_; }
  void SetStyle(TSeriesMarksStyle value) { SetProperty(style_, value); }
  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor value) { SetProperty(backColor_, value); }
  // How far a mark is lifted above its point, in pixels.
  int ArrowLength() const { return arrowLength_; }
  void SetArrowLength(int value) { SetProperty(arrowLength_, value); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { SetProperty(transparent_, value); }
  bool Clip() const { return clip_; }
  void SetClip(bool value) { SetProperty(clip_, value); }
  TChartFont& Font() { return font_; }
  TChartPen& Frame() { return frame_; }
  TChartPen& Arrow() { return arrow_; }

 private:
  bool visible_ = false;
  TSeriesMarksStyle style_ = smsLabel;
  TColor backColor_ = 0x80FFFF;
  int arrowLength_ = 8;
  bool transparent_ = false;
  bool clip_ = false;
  TChartFont font_;
  TChartPen frame_;
  TChartPen arrow_;
};

}  // namespace chart
