// The chart's paint: margins, background and bevels, title and foot, axes, back wall, series.
#include <algorithm>
#include <vector>

#include "chart/ChartMath.h"
#include "chart/TChart.h"
#include "chart/TChartSeries.h"

namespace chart {

namespace {

// A frame of `width` rings inside r: top and left lines in one colour, bottom and right lines in
// the other (a raised or lowered panel edge). Shrinks r by the width.
void Frame3D(TChartCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width) {
  canvas.Pen() = TCanvasPen{};
  canvas.Brush().Style = bsClear;
  r.Right -= 1;
  r.Bottom -= 1;
  for (; width > 0; --width) {
    canvas.Pen().Color = topColor;
    canvas.Line(r.Left, r.Bottom, r.Left, r.Top);
    canvas.Line(r.Left, r.Top, r.Right, r.Top);
    canvas.Pen().Color = bottomColor;
    canvas.Line(r.Right, r.Top, r.Right, r.Bottom);
    canvas.Line(r.Right, r.Bottom, r.Left - 1, r.Bottom);
    r.Inflate(-1, -1);
  }
  r.Right += 1;
  r.Bottom += 1;
}

void DrawBevel(TChartCanvas& canvas, TRect& r, TPanelBevel bevel, int width) {
  if (bevel == bvNone) return;
  TColor top = clBtnHighlight;
  TColor bottom = clBtnShadow;
  if (bevel == bvLowered) std::swap(top, bottom);
  if (bevel == bvSpace) top = bottom = clBtnFace;
  Frame3D(canvas, r, top, bottom, width);
}

}  // namespace

void TChart::NormalizePlotRect() {
  TRect& r = plotRect_;
  r.Left = std::max(r.Left, panelBounds_.Left);
  r.Top = std::max(r.Top, panelBounds_.Top);
  // A control without width or height still gets a one-pixel rectangle.
  if (r.Right < r.Left) r.Right = r.Left + 1;
  if (r.Right == r.Left) r.Right = r.Left + std::max(1, width_);
  if (r.Bottom < r.Top) r.Bottom = r.Top + 1;
  if (r.Bottom == r.Top) r.Bottom = r.Top + std::max(1, height_);
}

void TChart::DrawBackground() {
  TChartCanvas& canvas = *canvas_;
  canvas.Brush() = {color_, bsSolid};
  canvas.FillRect(panelBounds_);
  TRect r = panelBounds_;
  DrawBevel(canvas, r, bevelOuter_, bevelWidth_);
  Frame3D(canvas, r, color_, color_, borderWidth_);
  DrawBevel(canvas, r, bevelInner_, bevelWidth_);
}

void TChart::LayoutAxes() {
  TChartCanvas& canvas = *canvas_;
  for (auto& axis : axes_) axis->AdjustMaxMin();
  for (auto& axis : axes_) {
    if (!IsAxisShown(*axis)) continue;
    TRect room = plotRect_;
    axis->CalcRect(canvas, room);
    // An axis that needs more room than there is leaves the rectangle as it was.
    TRect common;
    if (IntersectRect(plotRect_, room, common)) plotRect_ = common;
  }
  NormalizePlotRect();
  for (auto& axis : axes_) axis->CalcPixelEnds(plotRect_);
  for (TChartAxis* axis : {&TopAxis(), &LeftAxis(), &RightAxis(), &BottomAxis()})
    axis->ApplySeriesMargins(plotRect_);
}

void TChart::DrawSeries() {
  TChartCanvas& canvas = *canvas_;
  if (OnBeforeDrawSeries) OnBeforeDrawSeries();
  std::vector<TChartSeries*> order = series_;
  std::stable_sort(order.begin(), order.end(), [](const TChartSeries* a, const TChartSeries* b) {
    return a->ZOrder() < b->ZOrder();
  });
  for (TChartSeries* series : order) {
    if (!series->Active()) continue;
    series->UpdateVisibleRange();
    if (series->FirstVisible() == -1) continue;
    series->DoBeforeDrawValues();
    if (clipPoints_) canvas.ClipRectangle(plotRect_);
    series->DrawAllPoints(canvas);
    if (clipPoints_) canvas.UnClipRectangle();
    series->DoAfterDrawValues();
  }
}

void TChart::Paint() {
  if (!canvas_) return;
  TChartCanvas& canvas = *canvas_;
  if (!dirty_ && painted_) {
    canvas.CopyToWindow();
    return;
  }
  // Cleared first, so that an invalidation during the paint (by an event) is not lost.
  dirty_ = false;

  panelBounds_ = canvas.PrepareImage(width_, height_);
  const int w = panelBounds_.Width();
  const int h = panelBounds_.Height();
  plotRect_ = TRect{panelBounds_.Left + MulDiv(MarginLeft(), w, 100) + borderWidth_,
                    panelBounds_.Top + MulDiv(MarginTop(), h, 100) + borderWidth_,
                    panelBounds_.Right - borderWidth_ - MulDiv(MarginRight(), w, 100),
                    panelBounds_.Bottom - borderWidth_ - MulDiv(MarginBottom(), h, 100)};
  NormalizePlotRect();
  DrawBackground();

  if (title_.Visible()) {
    title_.DrawTitleFoot(canvas, plotRect_, false);
    NormalizePlotRect();
  }
  if (foot_.Visible()) {
    foot_.DrawTitleFoot(canvas, plotRect_, true);
    NormalizePlotRect();
  }

  const TRect beforeAxes = plotRect_;
  LayoutAxes();
  // Labels whose decimals follow the increment had their room measured with the decimals of the
  // last paint; when this layout's increment needs others, the layout is done once more with them.
  bool refit = false;
  for (auto& axis : axes_) refit = (IsAxisShown(*axis) && axis->FitLabelDecimals(canvas)) || refit;
  if (refit) {
    plotRect_ = beforeAxes;
    LayoutAxes();
  }
  backWall_.DrawBackWall(canvas, plotRect_);
  if (axisVisible_) {
    if (OnBeforeDrawAxes) OnBeforeDrawAxes();
    for (auto& axis : axes_)
      if (IsAxisShown(*axis)) axis->Draw(canvas, plotRect_);
  }
  DrawSeries();

  canvas.ResetState();
  if (OnAfterDraw) OnAfterDraw();
  canvas.CopyToWindow();
  painted_ = true;
}

}  // namespace chart
