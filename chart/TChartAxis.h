// One chart axis: automatic range, room for labels and title, increments, labels, ticks, grid and
// the mapping between values and pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chart/TChartAxisTitle.h"
#include "chart/TChartFont.h"
#include "chart/TChartPen.h"
#include "chart/TChartPersistent.h"
#include "chart/TRect.h"

namespace chart {

class TChart;
class TChartCanvas;

// What an axis' labels show: decided from the series (talAuto), nothing, the values, or the
// points' labels (talMark, talText).
enum class TAxisLabelStyle : std::uint8_t { talAuto, talNone, talValue, talMark, talText };
using enum TAxisLabelStyle;

// The floor of every increment and the tolerance of the label loop.
inline constexpr double kMinAxisIncrement = 1e-12;
// At most this many tick positions are kept per axis.
inline constexpr int kMaxAxisTicks = 2000;
// Label values at or beyond this many increments across the range are not drawn at all.
inline constexpr double kMaxAxisLabels = 10000;

// TChartAxis: one of the chart's five axes (bottom, top, left, right and the 3-D depth axis).
class TChartAxis : public TChartPersistent {
 public:
  TChartAxis(TChart* chart, bool horizontal, bool otherSide, bool depthAxis = false);

  // ---- Layout and drawing, called by the chart in this order on every paint ----
  void AdjustMaxMin();                             // automatic range
  void CalcRect(TChartCanvas& canvas, TRect& r);   // take room from a copy of the plot rect
  void CalcPixelEnds(const TRect& plotRect);       // pixel ends from the final plot rect
  void ApplySeriesMargins(const TRect& plotRect);  // widen the range by series pixel margins
  void Draw(TChartCanvas& canvas, const TRect& plotRect);

  // Value -> pixel (ties to even), without overflow for spans up to the largest doubles; a zero
  // range, or a value too far out, gives PixelCentre.
  int ValueToPixel(double value) const;
  // Pixel -> value; 0 when the axis has no pixel length.
  double PixelToValue(int pixel) const;

  // Working state of the last layout.
  double ScaleMin() const { return scaleMin_; }
  double ScaleMax() const { return scaleMax_; }
  double ScaleRange() const { return scaleRange_; }
  int PixelStart() const { return pixelStart_; }
  int PixelEnd() const { return pixelEnd_; }
  int PixelSize() const { return pixelSize_; }
  int PixelCentre() const { return pixelCentre_; }
  int AxisLinePos() const { return axisLinePos_; }
  int LabelsEdge() const { return labelsEdge_; }
  int TitleEdge() const { return titleEdge_; }
  bool DateTimeAxis() const { return dateTimeAxis_; }
  // Pixel positions of the ticks of the last drawing, largest value first.
  const std::vector<int>& TickPositions() const { return tickPositions_; }

  // The label style in force: LabelStyle, with talAuto resolved from the attached series.
  TAxisLabelStyle ResolvedLabelStyle() const;
  // The label text of a value: AxisValuesFormat, the chart's label event, multi-line breaks.
  std::string FormatAxisLabel(double value) const;
  // The distance between labels for the current range and pixel length (font needed to measure).
  double CalcIncrement(TChartCanvas& canvas) const;
  // After a layout: takes the label decimals the increment now needs. True when they differ from
  // those the labels' room was measured with, so the layout must be done again.
  bool FitLabelDecimals(TChartCanvas& canvas);

  // Fixed at creation.
  TChart* ParentChart() const { return chart_; }
  bool Horizontal() const { return horizontal_; }
  bool OtherSide() const { return otherSide_; }
  bool IsDepthAxis() const { return depthAxis_; }

  // ---- Settings the layout and drawing read ----
  // Each setter stores a changed value and invalidates the chart.

  // Range.
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { SetProperty(visible_, value); }
  bool Automatic() const { return automatic_; }
  // Also sets AutomaticMaximum and AutomaticMinimum, except while the chart is loading.
  void SetAutomatic(bool value);
  bool AutomaticMaximum() const { return automaticMaximum_; }
  void SetAutomaticMaximum(bool value) { SetProperty(automaticMaximum_, value); }
  bool AutomaticMinimum() const { return automaticMinimum_; }
  void SetAutomaticMinimum(bool value) { SetProperty(automaticMinimum_, value); }
  double Maximum() const { return maximum_; }
  // "Axis Maximum Value must be >= Minimum" below Minimum (not while loading).
  void SetMaximum(double value);
  double Minimum() const { return minimum_; }
  // "Axis Minimum Value must be <= Maximum" above Maximum (not while loading).
  void SetMinimum(double value);
  // Both ends at once; "Axis Minimum Value must be <= Maximum" when min > max.
  void SetMinMax(double min, double max);
  double Increment() const { return increment_; }
  // "Axis increment must be >= 0" when negative.
  void SetIncrement(double value);
  bool Inverted() const { return inverted_; }
  void SetInverted(bool value) { SetProperty(inverted_, value); }
  // The scale stays linear; a logarithmic axis only draws no minor ticks beyond its end labels.
  bool Logarithmic() const { return logarithmic_; }
  // "DateTime Axis cannot be Logarithmic" on a date-time axis; "Logarithmic Axis Min and Max
  // values should be >= 0" with a negative end.
  void SetLogarithmic(bool value);

  // Labels.
  bool Labels() const { return labels_; }
  void SetLabels(bool value) { SetProperty(labels_, value); }
  TChartFont& LabelsFont() { return labelsFont_; }
  const TChartFont& LabelsFont() const { return labelsFont_; }
  int LabelsAngle() const { return labelsAngle_; }
  // ChartException "Axis Labels Angle must be between 0 and 359 degrees" outside 0..359.
  void SetLabelsAngle(int value);
  bool LabelsOnAxis() const { return labelsOnAxis_; }
  void SetLabelsOnAxis(bool value) { SetProperty(labelsOnAxis_, value); }
  int LabelsSeparation() const { return labelsSeparation_; }
  // "Labels Separation % must be greater than 0" when negative.
  void SetLabelsSeparation(int value);
  int LabelsSize() const { return labelsSize_; }
  void SetLabelsSize(int value) { SetProperty(labelsSize_, value); }
  bool LabelsMultiLine() const { return labelsMultiLine_; }
  void SetLabelsMultiLine(bool value) { SetProperty(labelsMultiLine_, value); }
  TAxisLabelStyle LabelStyle() const { return labelStyle_; }
  void SetLabelStyle(TAxisLabelStyle value) { SetProperty(labelStyle_, value); }
  const std::string& AxisValuesFormat() const { return axisValuesFormat_; }
  void SetAxisValuesFormat(std::string value) { SetProperty(axisValuesFormat_, std::move(value)); }
  bool RoundFirstLabel() const { return roundFirstLabel_; }
  void SetRoundFirstLabel(bool value) { SetProperty(roundFirstLabel_, value); }
  // Value labels get as many decimals as the increment needs (0.1 -> one, 0.05 -> two): the part of
  // AxisValuesFormat before its decimal point, then that many '0' places. A whole increment keeps
  // AxisValuesFormat; a zero range, whose one label is its value, shows the value's own decimals.
  bool LabelsDecimalsFromIncrement() const { return labelsDecimalsFromIncrement_; }
  void SetLabelsDecimalsFromIncrement(bool value) {
    SetProperty(labelsDecimalsFromIncrement_, value);
  }

  // Axis line, ticks and grid.
  TChartAxisPen& Axis() { return axis_; }
  const TChartAxisPen& Axis() const { return axis_; }
  TDarkGrayPen& Ticks() { return ticks_; }
  const TDarkGrayPen& Ticks() const { return ticks_; }
  int TickLength() const { return tickLength_; }
  void SetTickLength(int value) { SetProperty(tickLength_, value); }
  TDarkGrayPen& TicksInner() { return ticksInner_; }
  const TDarkGrayPen& TicksInner() const { return ticksInner_; }
  int TickInnerLength() const { return tickInnerLength_; }
  void SetTickInnerLength(int value) { SetProperty(tickInnerLength_, value); }
  TDarkGrayPen& MinorTicks() { return minorTicks_; }
  const TDarkGrayPen& MinorTicks() const { return minorTicks_; }
  int MinorTickLength() const { return minorTickLength_; }
  void SetMinorTickLength(int value) { SetProperty(minorTickLength_, value); }
  int MinorTickCount() const { return minorTickCount_; }
  void SetMinorTickCount(int value) { SetProperty(minorTickCount_, value); }
  bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
  void SetTickOnLabelsOnly(bool value) { SetProperty(tickOnLabelsOnly_, value); }
  TDottedGrayPen& Grid() { return grid_; }
  const TDottedGrayPen& Grid() const { return grid_; }
  bool GridCentered() const { return gridCentered_; }
  void SetGridCentered(bool value) { SetProperty(gridCentered_, value); }
  TChartHiddenPen& MinorGrid() { return minorGrid_; }
  const TChartHiddenPen& MinorGrid() const { return minorGrid_; }

  // Title and position.
  TChartAxisTitle& Title() { return title_; }
  const TChartAxisTitle& Title() const { return title_; }
  int TitleSize() const { return titleSize_; }
  void SetTitleSize(int value) { SetProperty(titleSize_, value); }
  double StartPosition() const { return startPosition_; }
  void SetStartPosition(double value) { SetProperty(startPosition_, value); }
  double EndPosition() const { return endPosition_; }
  void SetEndPosition(double value) { SetProperty(endPosition_, value); }
  double PositionPercent() const { return positionPercent_; }
  void SetPositionPercent(double value) { SetProperty(positionPercent_, value); }

  // ---- Stored, not drawn ----
  // Kept as settings only: the axis scales linearly and formats date-times as plain values.
  int LogarithmicBase() const { return logarithmicBase_; }
  // "Axis Logarithmic Base should be >= 2" below 2.
  void SetLogarithmicBase(int value);
  const std::string& DateTimeFormat() const { return dateTimeFormat_; }
  void SetDateTimeFormat(std::string value) { SetProperty(dateTimeFormat_, std::move(value)); }
  bool ExactDateTime() const { return exactDateTime_; }
  void SetExactDateTime(bool value) { SetProperty(exactDateTime_, value); }

 private:
  bool Loading() const;
  // ScaleMax - ScaleMin scaled down far enough that products with pixel lengths stay finite.
  double ScaledRange() const;
  void RecalcDateTimeAxis();
  // Text runs along the axis at this angle (0/180 on a horizontal axis, 90/270 on a vertical one).
  bool RunsAlong(int angle) const;
  std::string FormatLabel(double value, const std::string& format, bool withEvent) const;
  // The decimals value labels take for an increment under LabelsDecimalsFromIncrement, or
  // kOwnDecimals for a zero range.
  int LabelDecimalsFor(double increment) const;
  // The format of value labels with the decimals of the last layout.
  std::string ValueLabelFormat() const;
  int LabelWidth(TChartCanvas& canvas, const std::string& text) const;
  // A label's extent along the axis, for fitting labels.
  int LabelFitSize(TChartCanvas& canvas, const std::string& text) const;
  int SizeTitle(TChartCanvas& canvas) const;
  int SizeLabels(TChartCanvas& canvas) const;

  void DrawTitle(TChartCanvas& canvas) const;
  // Text at a reference point, placed for this axis' side and the angle (labels and title).
  void DrawAxisText(TChartCanvas& canvas, int x, int y, int angle, const std::string& text) const;
  void GenerateValueLabels(TChartCanvas& canvas);
  void GeneratePointLabels(TChartCanvas& canvas);
  void PlaceLabel(TChartCanvas& canvas, double value, const std::string* pointText);
  void AddTick(int position);
  void DrawAxisLine(TChartCanvas& canvas) const;
  // Lines across the axis line at every position: `offset` pixels from it, `length` long,
  // outwards, or inwards when `inwards` is set.
  void DrawTicks(TChartCanvas& canvas, const std::vector<int>& positions, int offset, int length,
                 bool inwards) const;
  void DrawGrid(TChartCanvas& canvas, const TChartPen& pen, const std::vector<int>& positions,
                const TRect& plotRect) const;
  std::vector<int> MinorTickPositions() const;
  // Tick positions, or with GridCentered the rounded midpoints between neighbouring ticks.
  std::vector<int> GridPositions() const;

  TChart* chart_;
  bool horizontal_;
  bool otherSide_;
  bool depthAxis_;

  bool visible_;
  bool automatic_ = true;
  bool automaticMaximum_ = true;
  bool automaticMinimum_ = true;
  double maximum_ = 0.0;
  double minimum_ = 0.0;
  double increment_ = 0.0;
  bool inverted_ = false;
  bool logarithmic_ = false;
  bool labels_ = true;
  TChartFont labelsFont_;
  int labelsAngle_ = 0;
  bool labelsOnAxis_ = true;
  int labelsSeparation_ = 10;
  int labelsSize_ = 0;
  bool labelsMultiLine_ = false;
  TAxisLabelStyle labelStyle_ = talAuto;
  std::string axisValuesFormat_ = "#,##0.###";
  bool roundFirstLabel_ = true;
  bool labelsDecimalsFromIncrement_ = false;
  TChartAxisPen axis_;
  TDarkGrayPen ticks_;
  int tickLength_ = 4;
  TDarkGrayPen ticksInner_;
  int tickInnerLength_ = 0;
  TDarkGrayPen minorTicks_;
  int minorTickLength_ = 2;
  int minorTickCount_ = 3;
  bool tickOnLabelsOnly_ = true;
  TDottedGrayPen grid_;
  bool gridCentered_ = false;
  TChartHiddenPen minorGrid_;
  TChartAxisTitle title_;
  int titleSize_ = 0;
  double startPosition_ = 0.0;
  double endPosition_ = 100.0;
  double positionPercent_ = 0.0;
  int logarithmicBase_ = 10;
  std::string dateTimeFormat_;
  bool exactDateTime_ = true;

  double scaleMin_ = 0.0;
  double scaleMax_ = 0.0;
  double scaleRange_ = 0.0;
  int pixelStart_ = 0;
  int pixelEnd_ = 0;
  int pixelSize_ = 0;
  int pixelCentre_ = 0;
  int axisLinePos_ = 0;
  int labelsEdge_ = 0;
  int titleEdge_ = 0;
  bool dateTimeAxis_ = false;
  std::vector<int> tickPositions_;
  // Decimals of the value labels (LabelsDecimalsFromIncrement), kept from one layout to the next.
  static constexpr int kOwnDecimals = -1;
  int labelDecimals_ = 0;
};

}  // namespace chart
