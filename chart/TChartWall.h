// A wall of the chart: the back wall frames and fills the plotting rectangle; the others are 3-D
// only.
#pragma once

#include "chart/TChartBrush.h"
#include "chart/TChartPen.h"
#include "chart/TChartPersistent.h"
#include "chart/TRect.h"

namespace chart {

class TChartCanvas;

class TChartWall : public TChartPersistent {
 public:
  explicit TChartWall(TColor color = clNotSet);

  // Draws the wall as the back of a flat chart: a rectangle whose right and bottom frame lines lie
  // on the plotting rectangle's right and bottom pixels.
  void DrawBackWall(TChartCanvas& canvas, const TRect& plotRect) const;

  // ---- Settings the drawing reads ----
  TColor Color() const { return color_; }
  void SetColor(TColor value) { SetProperty(color_, value); }
  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }
  TChartPen& Pen() { return pen_; }
  const TChartPen& Pen() const { return pen_; }

  // ---- Stored, not drawn ----
  // Kept as settings only: a flat chart's walls have no thickness and no shading.
  int Size() const { return size_; }
  void SetSize(int value) { SetProperty(size_, value); }
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool value) { SetProperty(dark3D_, value); }

 private:
  TColor color_;
  TChartBrush brush_;
  TChartPen pen_;

  // Stored, not drawn.
  int size_ = 0;
  bool dark3D_ = true;
};

}  // namespace chart
