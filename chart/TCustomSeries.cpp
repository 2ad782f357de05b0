// Line drawing with PrevX/PrevY/PrevColor, markers on top, axis margins and the point hit test.
#include "chart/TCustomSeries.h"

#include <algorithm>
#include <cstdlib>

#include "chart/PointNearSegment.h"
#include "chart/TChart.h"
#include "chart/TChartAxis.h"

namespace chart {

namespace {

// Points beyond this pixel are not drawn: canvas coordinates are 16-bit.
constexpr int kMaxDrawablePixel = 32766;

bool Drawable(int x, int y) {
  return std::abs(x) <= kMaxDrawablePixel && std::abs(y) <= kMaxDrawablePixel;
}

}  // namespace

TCustomSeries::TCustomSeries() : pointer_(this) {
  auto repaint = [this] { RepaintChart(); };
  linePen_.SetOnChange(repaint);
  areaLinesPen_.SetOnChange(repaint);
}

void TCustomSeries::DrawAllPoints(TChartCanvas& canvas) {
  // Nothing is drawn yet in this pass: the first point drawn starts its line at itself.
  prevColor_ = clNone;
  prevIndex_ = -1;
  TChartSeries::DrawAllPoints(canvas);
}

void TCustomSeries::DrawPoint(TChartCanvas& canvas, int valueIndex) {
  const int i = valueIndex;
  const TColor c = PointColor(i);
  const int x = ScreenX(i);
  const int y = ScreenY(i);
  if (!Drawable(x, y)) {
    // The point is skipped and the line goes on from the last point drawn, whose marker keeps
    // its own colour; a skipped null point still breaks the line. When nothing follows, the
    // marker still owed to the last point drawn is drawn now.
    if (i == LastVisible() && pointer_.Visible() && prevColor_ != clNone)
      DrawMarker(canvas, prevX_, prevY_, prevColor_, prevIndex_);
    if (c == clNone) prevColor_ = clNone;
    return;
  }
  canvas.Pen().Color = clBlack;
  canvas.Brush().Color = c;
  if (prevColor_ == clNone) {
    prevX_ = x;
    prevY_ = y;
  }
  const bool last = i == LastVisible();
  if (i == FirstVisible()) {
    if (i > 0) {
      const TRect& plot = ParentChart()->PlotRect();
      if (DrawArea()) {
        prevX_ = ScreenX(i - 1);
        prevY_ = ScreenY(i - 1);
      } else {
        prevX_ = HorzAxisObj()->Inverted() ? plot.Right : plot.Left;
        prevY_ = Stairs() ? ScreenY(i - 1) : EdgeY(i);
      }
      if (!IsNullPoint(i - 1)) DrawSegment(canvas, x, y, c, i, last, false);
    }
    if (last && pointer_.Visible() && c != clNone) DrawMarker(canvas, x, y, c, i);
  } else {
    DrawSegment(canvas, x, y, c, i, last, true);
  }
  prevX_ = x;
  prevY_ = y;
  prevColor_ = c;
  prevIndex_ = i;
}

int TCustomSeries::EdgeY(int valueIndex) const {
  const int i = valueIndex;
  const double x0 = PointX(i - 1);
  const double dx = PointX(i) - x0;
  if (dx == 0) return ScreenY(i - 1);
  const double xe = HorzAxisObj()->PixelToValue(prevX_);
  const double y0 = PointY(i - 1);
  const double ye = (PointY(i) - y0) * (xe - x0) / dx + y0;
  return VertAxisObj()->ValueToPixel(ye);
}

void TCustomSeries::DrawSegment(TChartCanvas& canvas, int x, int y, TColor color, int valueIndex,
                                bool last, bool withMarkers) {
  if ((x != prevX_ || y != prevY_) && color != clNone && drawsLine_) {
    canvas.AssignChartPen(linePen_);
    canvas.Brush().Style = bsClear;
    canvas.Pen().Color = color;
    const TBackMode backMode = canvas.BackMode();
    if (transparentLineGaps_) canvas.SetBackMode(bmTransparent);
    // Each leg is its own line call; a line leaves out its end pixel.
    if (!stairs_) {
      canvas.Line(prevX_, prevY_, x, y);
    } else if (invertedStairs_) {
      canvas.Line(prevX_, prevY_, prevX_, y);
      canvas.Line(prevX_, y, x, y);
    } else {
      canvas.Line(prevX_, prevY_, x, prevY_);
      canvas.Line(x, prevY_, x, y);
    }
    canvas.SetBackMode(backMode);
  }
  if (withMarkers && pointer_.Visible()) {
    // The previous marker goes on top of the segments on both its sides.
    if (prevColor_ != clNone) DrawMarker(canvas, prevX_, prevY_, prevColor_, prevIndex_);
    if (last && color != clNone) DrawMarker(canvas, x, y, color, valueIndex);
  }
}

void TCustomSeries::DrawMarker(TChartCanvas& canvas, int x, int y, TColor color, int valueIndex) {
  pointer_.ApplyPointerColors(canvas, color);
  const TSeriesPointerStyle style =
      OnGetPointerStyle ? OnGetPointerStyle(*this, valueIndex) : pointer_.Style();
  pointer_.DrawPointerShape(canvas, x, y, color, style);
}

void TCustomSeries::GetHorizMargins(int& left, int& right) const {
  left = right = 0;
  if (pointer_.Visible() && pointer_.InflateMargins()) left = right = pointer_.HorizSize() + 1;
  if (stairs_ && drawsLine_) {
    left = std::max(left, linePen_.Width());
    right = std::max(right, linePen_.Width());
  }
}

void TCustomSeries::GetVertMargins(int& top, int& bottom) const {
  top = bottom = 0;
  if (pointer_.Visible() && pointer_.InflateMargins()) top = bottom = pointer_.VertSize() + 1;
  if (stairs_ && drawsLine_) {
    top = std::max(top, linePen_.Width());
    bottom = std::max(bottom, linePen_.Width() + 1);
  }
  if (lineHeight_ > 0 && !drawArea_) bottom = std::max(bottom, lineHeight_);
}

bool TCustomSeries::PointerHit(int, int px, int py, int x, int y) const {
  // In 64 bits: a point far off the plot may lie near the ends of the int range.
  return std::llabs(static_cast<long long>(px) - x) < pointer_.HorizSize() &&
         std::llabs(static_cast<long long>(py) - y) < pointer_.VertSize();
}

bool TCustomSeries::NearDrawnSegment(TCanvasPoint p, TCanvasPoint from, TCanvasPoint to) const {
  if (!stairs_) return PointNearSegment(p, from, to);
  // The two legs of the step, as drawn.
  const TCanvasPoint corner =
      invertedStairs_ ? TCanvasPoint{from.X, to.Y} : TCanvasPoint{to.X, from.Y};
  return PointNearSegment(p, from, corner) || PointNearSegment(p, corner, to);
}

int TCustomSeries::PointAtPixel(int x, int y) {
  const int first = FirstVisible();
  const int last = std::min(LastVisible(), PointCount() - 1);
  if (first < 0 || LastVisible() < 0 || !HorzAxisObj() || !VertAxisObj()) return -1;
  const TCanvasPoint target{x, y};
  TCanvasPoint previous;
  for (int i = first; i <= last; ++i) {
    const TCanvasPoint p{ScreenX(i), ScreenY(i)};
    if (pointer_.Visible() && PointerHit(i, p.X, p.Y, x, y)) {
      if (OnClickPointer) OnClickPointer(*this, i, x, y);
      return i;
    }
    if (p == target) return i;
    if (i > first && HitTestsLines() && NearDrawnSegment(target, previous, p)) return i - 1;
    previous = p;
  }
  return -1;
}

}  // namespace chart
