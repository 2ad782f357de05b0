// A chart series: aligned point columns, point colours, chart membership and the visible range.
#include "chart/TChartSeries.h"

#include <algorithm>
#include <utility>

#include "chart/TChart.h"
#include "chart/TChartAxis.h"
#include "runtime/Errors.h"

namespace chart {

TColor PaletteColor(int index) {
  const int k = ((index % 16) + 16) % 16;
  return kPaletteColors[k];
}

TChartSeries::TChartSeries()
    : xValues_(std::make_unique<TChartValueList>(this, "X")),
      yValues_(std::make_unique<TChartValueList>(this, "Y")) {
  xValues_->SetOrder(loAscending);
  marks_.SetOnChange([this] { RepaintChart(); });
}

TChartSeries::~TChartSeries() {
  if (parentChart_) parentChart_->RemoveSeries(this);
}

// ---- Points ----

int TChartSeries::AddPoint(double x, double y, const std::string& label, TColor color) {
  xValues_->PendingValue = x;
  yValues_->PendingValue = y;
  if (OnBeforeAdd && !OnBeforeAdd(*this)) return -1;
  const int i = xValues_->AddValueInOrder(x);
  yValues_->InsertValueAt(i, y);
  pointColors_.insert(pointColors_.begin() + i, color);
  pointLabels_.insert(pointLabels_.begin() + i,
                      label.empty() ? std::nullopt : std::optional<std::string>(label));
  PointAdded(i);
  return i;
}

void TChartSeries::PointAdded(int valueIndex) {
  if (OnAfterAdd) OnAfterAdd(*this, valueIndex);
  if (active_) RepaintChart();
}

int TChartSeries::AddNextPoint(double y, const std::string& label, TColor color) {
  return AddPoint(PointCount(), y, label, color);
}

int TChartSeries::AddNullPoint(double x, double y, const std::string& label) {
  return AddPoint(x, y, label, clNone);
}

int TChartSeries::AddNullPoint(const std::string& label) { return AddNextPoint(0, label, clNone); }

void TChartSeries::RemoveAllPoints() {
  for (TChartValueList* list : valueLists_) list->RemoveAllValues();
  std::vector<TColor>().swap(pointColors_);
  std::vector<std::optional<std::string>>().swap(pointLabels_);
  if (OnClearValues) OnClearValues(*this);
  if (active_ && parentChart_ && !parentChart_->Destroying()) RepaintChart();
}

void TChartSeries::DeletePoint(int valueIndex) {
  if (valueIndex < 0 || valueIndex >= PointCount()) throw runtime::ListIndexError(valueIndex);
  for (TChartValueList* list : valueLists_) list->DeleteValueAt(valueIndex);
  const auto i = static_cast<std::size_t>(valueIndex);
  if (i < pointColors_.size()) pointColors_.erase(pointColors_.begin() + valueIndex);
  if (i < pointLabels_.size()) pointLabels_.erase(pointLabels_.begin() + valueIndex);
  if (active_) RepaintChart();
}

void TChartSeries::ExchangePoints(int i, int j) {
  for (int index : {i, j})
    if (index < 0 || index >= PointCount()) throw runtime::ListIndexError(index);
  for (TChartValueList* list : valueLists_) {
    const double a = list->Values()[static_cast<std::size_t>(i)];
    const double b = list->Values()[static_cast<std::size_t>(j)];
    list->SetValueAt(i, b);
    list->SetValueAt(j, a);
  }
  std::swap(pointColors_[static_cast<std::size_t>(i)], pointColors_[static_cast<std::size_t>(j)]);
  std::swap(pointLabels_[static_cast<std::size_t>(i)], pointLabels_[static_cast<std::size_t>(j)]);
}

std::string TChartSeries::PointLabel(int valueIndex) const {
  if (valueIndex < 0 || static_cast<std::size_t>(valueIndex) >= pointLabels_.size()) return {};
  return pointLabels_[static_cast<std::size_t>(valueIndex)].value_or(std::string());
}

TColor TChartSeries::PointColor(int valueIndex) const {
  if (valueIndex < 0 || static_cast<std::size_t>(valueIndex) >= pointColors_.size())
    return seriesColor_;
  const TColor stored = pointColors_[static_cast<std::size_t>(valueIndex)];
  if (stored != clNotSet) return stored;
  return colorEachPoint_ ? PaletteColor(valueIndex) : seriesColor_;
}

void TChartSeries::SetPointColor(int valueIndex, TColor color) {
  if (valueIndex < 0 || static_cast<std::size_t>(valueIndex) >= pointColors_.size())
    throw runtime::ListIndexError(valueIndex);
  pointColors_[static_cast<std::size_t>(valueIndex)] = color;
  RepaintChart();
}

int TChartSeries::ScreenX(int valueIndex) const {
  return horzAxisObj_->ValueToPixel(PointX(valueIndex));
}

int TChartSeries::ScreenY(int valueIndex) const {
  return vertAxisObj_->ValueToPixel(PointY(valueIndex));
}

// ---- Settings ----

void TChartSeries::SetColorEachPoint(bool value) {
  SetProperty(colorEachPoint_, value);
  if (!value) {
    std::fill(pointColors_.begin(), pointColors_.end(), clNotSet);
    if (!pointColors_.empty()) RepaintChart();
  }
}

void TChartSeries::SetHorizAxis(THorizAxis value) {
  StoreIfChanged(horizAxis_, value, [this] {
    ResolveAxes();
    RepaintChart();
  });
}

void TChartSeries::SetVertAxis(TVertAxis value) {
  StoreIfChanged(vertAxis_, value, [this] {
    ResolveAxes();
    RepaintChart();
  });
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* axis) {
  customHorizAxis_ = axis;
  ResolveAxes();
  RepaintChart();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* axis) {
  customVertAxis_ = axis;
  ResolveAxes();
  RepaintChart();
}

void TChartSeries::ResolveAxes() {
  if (!parentChart_) {
    horzAxisObj_ = vertAxisObj_ = nullptr;
    return;
  }
  if (horizAxis_ == aTopAxis)
    horzAxisObj_ = &parentChart_->TopAxis();
  else if (horizAxis_ == aCustomHorizAxis && customHorizAxis_)
    horzAxisObj_ = customHorizAxis_;
  else
    horzAxisObj_ = &parentChart_->BottomAxis();
  if (vertAxis_ == aRightAxis)
    vertAxisObj_ = &parentChart_->RightAxis();
  else if (vertAxis_ == aCustomVertAxis && customVertAxis_)
    vertAxisObj_ = customVertAxis_;
  else
    vertAxisObj_ = &parentChart_->LeftAxis();
}

bool TChartSeries::AssociatedToAxis(const TChartAxis& axis) const {
  if (&axis == horzAxisObj_ || &axis == vertAxisObj_) return true;
  if (!parentChart_) return false;
  if (horizAxis_ == aBothHorizAxis &&
      (&axis == &parentChart_->TopAxis() || &axis == &parentChart_->BottomAxis()))
    return true;
  return vertAxis_ == aBothVertAxis &&
         (&axis == &parentChart_->LeftAxis() || &axis == &parentChart_->RightAxis());
}

void TChartSeries::SetParentChart(TChart* chart) {
  if (chart == parentChart_) return;
  if (parentChart_) parentChart_->RemoveSeries(this);
  parentChart_ = chart;
  ResolveAxes();
  if (!parentChart_) return;
  if (seriesColor_ == clNotSet) {
    // The first palette colour no other series of the chart uses and that differs from the
    // panel and back colours; when all are taken, the first one.
    seriesColor_ = kPaletteColors[0];
    for (TColor candidate : kPaletteColors) {
      const auto& others = parentChart_->SeriesList();
      const bool taken =
          candidate == parentChart_->Color() || candidate == parentChart_->BackColor() ||
          std::any_of(others.begin(), others.end(),
                      [&](const TChartSeries* s) { return s->SeriesColor() == candidate; });
      if (!taken) {
        seriesColor_ = candidate;
        break;
      }
    }
  }
  parentChart_->AddSeries(this);
}

void TChartSeries::RepaintChart() {
  if (parentChart_) parentChart_->Invalidate();
}

// ---- Drawing ----

void TChartSeries::UpdateVisibleRange() {
  firstVisible_ = lastVisible_ = -1;
  const int n = PointCount();
  if (n == 0) return;
  const TChartValueList& list = *xValues_;
  if (list.Order() == loNone || !parentChart_ || !horzAxisObj_) {
    firstVisible_ = 0;
    lastVisible_ = n - 1;
    return;
  }
  const TRect& plot = parentChart_->PlotRect();
  const bool inverted = horzAxisObj_->Inverted();
  const double lo = horzAxisObj_->PixelToValue(inverted ? plot.Right : plot.Left);
  const double hi = horzAxisObj_->PixelToValue(inverted ? plot.Left : plot.Right);
  int first = 0;
  while (first < n && list.ValueAt(first) < lo) ++first;
  if (first == n) return;
  firstVisible_ = first;
  if (list.LastValue() <= hi) {
    lastVisible_ = n - 1;
    return;
  }
  int last = first;
  while (last < n && list.ValueAt(last) < hi) ++last;
  if (last == n) {
    lastVisible_ = n - 1;
    return;
  }
  if (!KeepsPointBeyondEdge() && list.ValueAt(last) > hi && last > first) --last;
  lastVisible_ = last;
}

void TChartSeries::DrawAllPoints(TChartCanvas& canvas) {
  for (int i = firstVisible_; i <= lastVisible_ && i >= 0; ++i) DrawPoint(canvas, i);
}

void TChartSeries::GetHorizMargins(int& left, int& right) const { left = right = 0; }

void TChartSeries::GetVertMargins(int& top, int& bottom) const { top = bottom = 0; }

// ---- Hit testing ----

int TChartSeries::PointAtPixel(int, int) { return -1; }

int TChartSeries::PointUnderCursor() {
  if (!CursorClientPos) return -1;
  const std::optional<TCanvasPoint> pos = CursorClientPos();
  if (!pos) return -1;
  return PointAtPixel(pos->X, pos->Y);
}

}  // namespace chart
