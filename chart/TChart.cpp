// The chart's settings, series list, axis visibility and invalidation.
#include "chart/TChart.h"

#include <algorithm>

#include "chart/ChartException.h"
#include "chart/TChartSeries.h"
#include "runtime/Errors.h"

namespace chart {

TChart::TChart() : backWall_(clNotSet), leftWall_(0x80FFFF), bottomWall_(clWhite) {
  // Axes in the order bottom, top, left, right, depth; top and right lie on the other side.
  axes_[0] = std::make_unique<TChartAxis>(this, true, false);
  axes_[1] = std::make_unique<TChartAxis>(this, true, true);
  axes_[2] = std::make_unique<TChartAxis>(this, false, false);
  axes_[3] = std::make_unique<TChartAxis>(this, false, true);
  axes_[4] = std::make_unique<TChartAxis>(this, false, false, true);
  auto invalidate = [this] { Invalidate(); };
  for (auto& axis : axes_) axis->SetOnChange(invalidate);
  gradient_.SetOnChange(invalidate);
  title_.SetOnChange(invalidate);
  foot_.SetOnChange(invalidate);
  backWall_.SetOnChange(invalidate);
  leftWall_.SetOnChange(invalidate);
  bottomWall_.SetOnChange(invalidate);
  legend_.SetOnChange(invalidate);
  backWall_.Brush().SetStyle(bsClear);
  constructed_ = true;
}

TChart::~TChart() {
  destroying_ = true;
  const std::vector<TChartSeries*> attached = series_;
  for (TChartSeries* series : attached) series->SetParentChart(nullptr);
}

void TChart::SetCanvas(std::unique_ptr<TChartCanvas> canvas) {
  canvas_ = std::move(canvas);
  painted_ = false;
  Invalidate();
}

void TChart::Invalidate() {
  if (!constructed_ || destroying_) return;
  dirty_ = true;
  if (onInvalidate_) onInvalidate_();
}

void TChart::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
}

void TChart::SetMargin(int index, int value) {
  if (index < 0 || index > 3) throw runtime::ListIndexError(index);
  SetProperty(margins_[static_cast<std::size_t>(index)], value);
}

void TChart::SetChart3DPercent(int value) {
  if (value < 1 || value > 100) throw ChartException("3D effect percent must be between 1 and 100");
  SetProperty(chart3DPercent_, value);
}

void TChart::SetMaxPointsPerPage(int value) {
  if (value < 0) throw ChartException("MaxPointsPerPage must be >= 0");
  SetProperty(maxPointsPerPage_, value);
}

void TChart::SetBackColor(TColor value) {
  if (value == backWall_.Color()) return;
  backWall_.SetColor(value);
  if (!loading_) backWall_.Brush().SetStyle(bsSolid);
}

TChartSeries* TChart::SeriesAt(int index) const {
  if (index < 0 || index >= CountSeries()) throw runtime::ListIndexError(index);
  return series_[static_cast<std::size_t>(index)];
}

void TChart::AddSeries(TChartSeries* series) {
  if (std::find(series_.begin(), series_.end(), series) != series_.end()) return;
  series_.push_back(series);
  Invalidate();
}

void TChart::RemoveSeries(TChartSeries* series) {
  const auto it = std::find(series_.begin(), series_.end(), series);
  if (it == series_.end()) return;
  series_.erase(it);
  Invalidate();
}

bool TChart::IsAxisShown(const TChartAxis& axis) const {
  if (!axisVisible_ || !axis.Visible()) return false;
  if (axis.IsDepthAxis()) return view3D_;
  bool anyUsesAxes = false;
  for (const TChartSeries* series : series_) {
    if (!series->Active() || !series->UseAxis()) continue;
    anyUsesAxes = true;
    if (series->AssociatedToAxis(axis)) return true;
  }
  // With no series drawn against axes, every axis shows.
  return !anyUsesAxes;
}

void TChart::MouseMove(int x, int y) {
  if (OnMouseMove) OnMouseMove(x, y);
  int cursor = originalCursor_;
  for (TChartSeries* series : series_) {
    if (series->Active() && series->Cursor() != crDefault && series->PointAtPixel(x, y) != -1) {
      cursor = series->Cursor();
      break;
    }
  }
  cursor_ = cursor;
}

}  // namespace chart
