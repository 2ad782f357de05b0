// The title block above and the foot block below the plotting area: text lines, font, frame, brush.
#pragma once

#include <cstdint>
#include <vector>

#include "chart/TChartBrush.h"
#include "chart/TChartFont.h"
#include "chart/TChartPen.h"
#include "chart/TChartPersistent.h"
#include "chart/TChartStrings.h"
#include "chart/TRect.h"

namespace chart {

class TChartCanvas;

// Where the lines of a title or foot sit across the plot.
enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;

// The gap, in pixels, between a title or foot block and the plotting area.
inline constexpr int kTitleFootDistance = 5;

class TChartTitle : public TChartPersistent {
 public:
  TChartTitle();

  // Draws the block at the top (or, for the foot, the bottom) of `plotRect` and shrinks it by
  // the room taken. The caller normalises the rectangle afterwards.
  void DrawTitleFoot(TChartCanvas& canvas, TRect& plotRect, bool isFoot);
  // The rectangle the block occupied in the last paint.
  const TRect& TitleRect() const { return titleRect_; }
  // True when the block is visible and (x, y) lies in TitleRect.
  bool Clicked(int x, int y) const;

  // ---- Settings the drawing reads ----
  TChartStrings& Text() { return text_; }
  const TChartStrings& Text() const { return text_; }
  TChartFont& Font() { return font_; }
  const TChartFont& Font() const { return font_; }
  TChartHiddenPen& Frame() { return frame_; }
  const TChartHiddenPen& Frame() const { return frame_; }
  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { SetProperty(alignment_, value); }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { SetProperty(visible_, value); }
  // The frame and fill shrink to the text's width (plus one "W") instead of the plot's.
  bool AdjustFrame() const { return adjustFrame_; }
  void SetAdjustFrame(bool value) { SetProperty(adjustFrame_, value); }
  TColor Color() const { return color_; }
  void SetColor(TColor value) { SetProperty(color_, value); }

 private:
  // The canvas brush and background for the block; a solid brush colour becomes the block colour.
  void SelectBrush(TChartCanvas& canvas);
  // The frame pen, or a clear pen; true when the frame is drawn and takes room.
  bool SelectFrame(TChartCanvas& canvas) const;
  // The rectangle the lines fill, inside the frame, at the plot's top (or bottom for the foot).
  TRect TextRect(const TRect& plotRect, int frame, int lineHeight, bool isFoot) const;
  // Narrows TitleRect to the text width, by the alignment.
  void FitFrameToText(int textWidth);
  // Each line at its row of `r`, placed by the alignment (half a "W" in from the side).
  void DrawLines(TChartCanvas& canvas, const TRect& r, int lineHeight, int wWidth,
                 const std::vector<int>& widths, bool isFoot) const;

  TChartStrings text_;
  TChartFont font_;
  TChartHiddenPen frame_;
  TChartBrush brush_;
  TAlignment alignment_ = taCenter;
  bool visible_ = true;
  bool adjustFrame_ = true;
  TColor color_ = clNotSet;
  TRect titleRect_;
};

}  // namespace chart
