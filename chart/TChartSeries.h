// A chart series: points of (X, Y, label, colour) in aligned columns, their colours, the cached
// extremes the axes scale to, the visible range, and membership of a chart.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/StoreIfChanged.h"
#include "chart/TChartCanvas.h"
#include "chart/TChartValueList.h"
#include "chart/TColor.h"
#include "chart/TSeriesMarks.h"

namespace chart {

class TChart;
class TChartAxis;

// The horizontal and vertical axes a series is drawn against.
enum class THorizAxis : std::uint8_t { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
using enum THorizAxis;
enum class TVertAxis : std::uint8_t { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };
using enum TVertAxis;

// The default mouse cursor: a series with it leaves the chart's cursor alone.
inline constexpr int crDefault = 0;

// Colours given per point with ColorEachPoint, and to series that join a chart without a colour.
inline constexpr TColor kPaletteColors[16] = {
    0x0000FF, 0x008000, 0x00FFFF, 0xFF0000, 0xFFFFFF, 0x808080, 0xFF00FF, 0x808000,
    0x800000, 0x000080, 0x00FF00, 0x008080, 0x800080, 0xC0C0C0, 0xFFFF00, 0x000000};
// Entry index mod 16, taking the non-negative remainder.
TColor PaletteColor(int index);

// TChartSeries: the base of every series; TLineSeries is the one the chart draws as a line.
class TChartSeries {
 public:
  TChartSeries();
  // Leaves the parent chart's series list.
  virtual ~TChartSeries();
  TChartSeries(const TChartSeries&) = delete;
  TChartSeries& operator=(const TChartSeries&) = delete;

  // ---- Drawing, called by the chart for each active series ----
  // Finds the points inside the horizontal axis' range of the last layout.
  void UpdateVisibleRange();
  // Points to draw in the last pass, -1 when none.
  int FirstVisible() const { return firstVisible_; }
  int LastVisible() const { return lastVisible_; }
  void DoBeforeDrawValues() {
    if (BeforeDrawValues) BeforeDrawValues(*this);
  }
  void DoAfterDrawValues() {
    if (AfterDrawValues) AfterDrawValues(*this);
  }
  // Draws FirstVisible..LastVisible, one DrawPoint each.
  virtual void DrawAllPoints(TChartCanvas& canvas);
  virtual void DrawPoint(TChartCanvas& canvas, int valueIndex) = 0;
  // Pixels the series needs beyond its extreme points (the axes widen their ranges by them).
  virtual void GetHorizMargins(int& left, int& right) const;
  virtual void GetVertMargins(int& top, int& bottom) const;

  // ---- Hit testing ----
  // Index of the point at the client pixel, or -1.
  virtual int PointAtPixel(int x, int y);
  // The mouse cursor in the parent chart's client pixels, given by the host (a window, a test).
  std::function<std::optional<TCanvasPoint>()> CursorClientPos;
  // PointAtPixel at the cursor's current position; -1 when no position is available.
  int PointUnderCursor();

  // ---- Points ----
  // Index of the new point (kept sorted by X when XValues is ordered), or -1 when OnBeforeAdd
  // refused it. The label is CP1251.
  int AddPoint(double x, double y, const std::string& label = {}, TColor color = clNotSet);
  // X = the point count before the call.
  int AddNextPoint(double y, const std::string& label = {}, TColor color = clNotSet);
  // A point with colour clNone: kept in the values and statistics, never drawn.
  int AddNullPoint(double x, double y, const std::string& label = {});
  int AddNullPoint(const std::string& label);
  void RemoveAllPoints();
  // "List index out of bounds (%d)" for an index outside the points.
  void DeletePoint(int valueIndex);
  void ExchangePoints(int i, int j);

  int PointCount() const { return xValues_->ValueCount(); }
  double PointX(int valueIndex) const { return xValues_->ValueAt(valueIndex); }
  double PointY(int valueIndex) const { return yValues_->ValueAt(valueIndex); }
  // The stored label, or empty (also beyond the last point).
  std::string PointLabel(int valueIndex) const;
  // The colour the point is drawn in: its own, else the palette or SeriesColor.
  TColor PointColor(int valueIndex) const;
  void SetPointColor(int valueIndex, TColor color);
  bool IsNullPoint(int valueIndex) const { return PointColor(valueIndex) == clNone; }

  // The extremes the axes scale to.
  double LowestX() const { return xValues_->Lowest(); }
  double HighestX() const { return xValues_->Highest(); }
  double LowestY() const { return yValues_->Lowest(); }
  double HighestY() const { return yValues_->Highest(); }

  // Pixel of a point through the series' axes; needs a parent chart.
  int ScreenX(int valueIndex) const;
  int ScreenY(int valueIndex) const;

  // ---- Columns ----
  TChartValueList& XValues() { return *xValues_; }
  const TChartValueList& XValues() const { return *xValues_; }
  TChartValueList& YValues() { return *yValues_; }
  const TChartValueList& YValues() const { return *yValues_; }
  // Every value list of the series in creation order (X, then Y).
  const std::vector<TChartValueList*>& ValueLists() const { return valueLists_; }
  // Called by a value list's constructor.
  void AddValueList(TChartValueList* list) { valueLists_.push_back(list); }
  // The list plotted against the vertical axis (Y) and the other one (X).
  TChartValueList& MandatoryValueList() { return *yValues_; }
  TChartValueList& NotMandatoryValueList() { return *xValues_; }
  // Y holds the plotted values: the labels of this series run along the horizontal axis.
  bool YMandatory() const { return true; }

  // ---- Chart and axes ----
  // Leaves the previous chart, resolves the axes and joins the new chart's series list (a series
  // without a colour first takes the first palette colour that is free in that chart).
  TChart* ParentChart() const { return parentChart_; }
  void SetParentChart(TChart* chart);
  // Asks the parent chart to repaint; nothing without one.
  void RepaintChart();

  THorizAxis HorizAxis() const { return horizAxis_; }
  void SetHorizAxis(THorizAxis value);
  TVertAxis VertAxis() const { return vertAxis_; }
  void SetVertAxis(TVertAxis value);
  // The axes used with aCustomHorizAxis / aCustomVertAxis.
  void SetCustomHorizAxis(TChartAxis* axis);
  void SetCustomVertAxis(TChartAxis* axis);
  // The axes the series is drawn against, resolved from the settings and the parent chart.
  TChartAxis* HorzAxisObj() const { return horzAxisObj_; }
  TChartAxis* VertAxisObj() const { return vertAxisObj_; }
  // Whether the series is attached to the axis (directly or through "both axes").
  bool AssociatedToAxis(const TChartAxis& axis) const;
  // Whether the series is drawn against axes; the chart shows the axes such series use.
  virtual bool UseAxis() const { return true; }

  // ---- Settings the drawing reads ----
  // Each setter stores a changed value and repaints the chart.
  bool Active() const { return active_; }
  void SetActive(bool value) { SetProperty(active_, value); }
  TColor SeriesColor() const { return seriesColor_; }
  void SetSeriesColor(TColor value) { SetProperty(seriesColor_, value); }
  bool ColorEachPoint() const { return colorEachPoint_; }
  // Switching it off also forgets every stored point colour.
  void SetColorEachPoint(bool value);
  // The chart's mouse cursor over a point of this series.
  int Cursor() const { return cursor_; }
  void SetCursor(int value) { SetProperty(cursor_, value); }
  // Drawing order: a series with a larger ZOrder is drawn later, on top of the others; series of
  // equal ZOrder are drawn in list order. The list order itself is left alone.
  int ZOrder() const { return zOrder_; }
  void SetZOrder(int value) { SetProperty(zOrder_, value); }

  // ---- Events ----
  std::function<bool(TChartSeries&)> OnBeforeAdd;
  std::function<void(TChartSeries&, int valueIndex)> OnAfterAdd;
  std::function<void(TChartSeries&)> OnClearValues;
  std::function<void(TChartSeries&)> BeforeDrawValues;
  std::function<void(TChartSeries&)> AfterDrawValues;

  // ---- Stored, not drawn ----
  // Kept as settings only: the chart draws no legend and no marks.
  bool ShowInLegend() const { return showInLegend_; }
  void SetShowInLegend(bool value) { SetProperty(showInLegend_, value); }
  const std::string& Title() const { return title_; }
  void SetTitle(std::string value) { SetProperty(title_, std::move(value)); }
  const std::string& ValueFormat() const { return valueFormat_; }
  void SetValueFormat(std::string value) { SetProperty(valueFormat_, std::move(value)); }
  const std::string& PercentFormat() const { return percentFormat_; }
  void SetPercentFormat(std::string value) { SetProperty(percentFormat_, std::move(value)); }
  TSeriesMarks& Marks() { return marks_; }
  const TSeriesMarks& Marks() const { return marks_; }

 protected:
  // Stores a different value and repaints the chart.
  template <class T, class U>
  void SetProperty(T& field, U&& value) {
    StoreIfChanged(field, std::forward<U>(value), [this] { RepaintChart(); });
  }

  // How far beyond the right edge the visible range reaches: a line series keeps the first point
  // beyond it so that the last segment reaches the edge.
  virtual bool KeepsPointBeyondEdge() const { return false; }

 private:
  void ResolveAxes();
  void PointAdded(int valueIndex);

  std::vector<TChartValueList*> valueLists_;
  std::unique_ptr<TChartValueList> xValues_;
  std::unique_ptr<TChartValueList> yValues_;
  std::vector<TColor> pointColors_;
  std::vector<std::optional<std::string>> pointLabels_;

  bool active_ = true;
  TColor seriesColor_ = clNotSet;
  bool colorEachPoint_ = false;
  int cursor_ = crDefault;
  int zOrder_ = 0;
  THorizAxis horizAxis_ = aBottomAxis;
  TVertAxis vertAxis_ = aLeftAxis;
  TChartAxis* customHorizAxis_ = nullptr;
  TChartAxis* customVertAxis_ = nullptr;
  TChartAxis* horzAxisObj_ = nullptr;
  TChartAxis* vertAxisObj_ = nullptr;
  TChart* parentChart_ = nullptr;
  int firstVisible_ = -1;
  int lastVisible_ = -1;

  // Stored, not drawn.
  bool showInLegend_ = true;
  std::string title_;
  std::string valueFormat_ = "#,##0.###";
  std::string percentFormat_ = "##0.## %";
  TSeriesMarks marks_;
};

}  // namespace chart
