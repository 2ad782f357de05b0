// The marker a line series draws on its points: shape, half-sizes, outline pen and fill brush.
#pragma once

#include <cstdint>

#include "chart/TChartBrush.h"
#include "chart/TChartCanvas.h"
#include "chart/TChartPen.h"
#include "chart/TChartPersistent.h"

namespace chart {

class TChartSeries;

// The marker's shape.
enum class TSeriesPointerStyle : std::uint8_t {
  psRectangle,
  psCircle,
  psTriangle,
  psDownTriangle,
  psCross,
  psDiagCross,
  psStar,
  psDiamond,
  psSmallDot
};
using enum TSeriesPointerStyle;

// TSeriesPointer: the marker (pointer) a series draws on each point.
class TSeriesPointer : public TChartPersistent {
 public:
  // Every change repaints the owner's chart.
  explicit TSeriesPointer(TChartSeries* owner);

  // ---- Drawing ----
  // Selects the outline pen and fill brush for a point of colour `color`.
  void ApplyPointerColors(TChartCanvas& canvas, TColor color) const;
  // Draws the shape centred on (x, y) with the canvas' current pen and brush.
  void DrawPointerShape(TChartCanvas& canvas, int x, int y, TColor color,
                        TSeriesPointerStyle style) const;

  // ---- Settings the drawing reads ----
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { SetProperty(visible_, value); }
  TSeriesPointerStyle Style() const { return style_; }
  void SetStyle(TSeriesPointerStyle value) { SetProperty(style_, value); }
  // Half-width and half-height in pixels; ChartException "Pointer size must be greater than
  // zero" below 1, the size unchanged.
  int HorizSize() const { return horizSize_; }
  void SetHorizSize(int value);
  int VertSize() const { return vertSize_; }
  void SetVertSize(int value);
  // The marker asks the axes for room beyond the extreme points.
  bool InflateMargins() const { return inflateMargins_; }
  void SetInflateMargins(bool value) { SetProperty(inflateMargins_, value); }
  // Outline; a colour not set takes the point's colour.
  TChartPen& Pen() { return pen_; }
  const TChartPen& Pen() const { return pen_; }
  // Fill; a colour not set takes the point's colour.
  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }

  // ---- Stored, not drawn ----
  // Kept as settings only: markers are drawn flat.
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool value) { SetProperty(dark3D_, value); }
  bool Draw3D() const { return draw3D_; }
  void SetDraw3D(bool value) { SetProperty(draw3D_, value); }

 private:
  bool visible_ = true;
  TSeriesPointerStyle style_ = psRectangle;
  int horizSize_ = 4;
  int vertSize_ = 4;
  bool inflateMargins_ = true;
  TChartPen pen_;
  TChartBrush brush_;

  // Stored, not drawn.
  bool dark3D_ = true;
  bool draw3D_ = true;
};

}  // namespace chart
