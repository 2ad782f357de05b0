// Axis settings with their checks, value<->pixel mapping, automatic range, room taken in the
// layout, series margins, the increment and label texts.
#include "chart/TChartAxis.h"

#include <algorithm>
#include <cmath>

#include "chart/ChartException.h"
#include "chart/ChartMath.h"
#include "chart/LabelLines.h"
#include "chart/TChart.h"
#include "chart/TChartCanvas.h"
#include "chart/TChartSeries.h"
#include "runtime/FormatFloat.h"

namespace chart {

namespace {

// Magnitudes at or beyond this are not converted to integers (pixel offsets, label counts).
constexpr double kIntegerLimit = 2147483647.0;
// Values near the largest double times a pixel length overflow. Scaled by this power of two they
// do not, and the scaled arithmetic rounds exactly as the unscaled would without an exponent limit.
constexpr double kOverflowScale = 0x1p-64;

}  // namespace

TChartAxis::TChartAxis(TChart* chart, bool horizontal, bool otherSide, bool depthAxis)
    : chart_(chart),
      horizontal_(horizontal),
      otherSide_(otherSide),
      depthAxis_(depthAxis),
      visible_(!depthAxis),
      title_(horizontal || depthAxis ? 0 : (otherSide ? 270 : 90)) {
  auto changed = [this] { Changed(); };
  labelsFont_.SetOnChange(changed);
  axis_.SetOnChange(changed);
  ticks_.SetOnChange(changed);
  ticksInner_.SetOnChange(changed);
  minorTicks_.SetOnChange(changed);
  grid_.SetOnChange(changed);
  minorGrid_.SetOnChange(changed);
  title_.SetOnChange(changed);
}

bool TChartAxis::Loading() const { return chart_ && chart_->Loading(); }

void TChartAxis::SetAutomatic(bool value) {
  StoreIfChanged(automatic_, value, [&] {
    if (!Loading()) {
      automaticMaximum_ = value;
      automaticMinimum_ = value;
    }
    Changed();
  });
}

void TChartAxis::SetMaximum(double value) {
  if (value == maximum_) return;
  if (!Loading() && value < minimum_) throw AxisException("Axis Maximum Value must be >= Minimum");
  maximum_ = value;
  Changed();
}

void TChartAxis::SetMinimum(double value) {
  if (value == minimum_) return;
  if (!Loading() && value > maximum_) throw AxisException("Axis Minimum Value must be <= Maximum");
  minimum_ = value;
  Changed();
}

void TChartAxis::SetMinMax(double min, double max) {
  if (min > max) throw AxisException("Axis Minimum Value must be <= Maximum");
  if (min == minimum_ && max == maximum_) return;
  minimum_ = min;
  maximum_ = max;
  Changed();
}

void TChartAxis::SetIncrement(double value) {
  if (value < 0) throw AxisException("Axis increment must be >= 0");
  SetProperty(increment_, value);
}

void TChartAxis::SetLogarithmic(bool value) {
  if (value == logarithmic_) return;
  if (value) {
    RecalcDateTimeAxis();
    if (dateTimeAxis_) throw AxisException("DateTime Axis cannot be Logarithmic");
    if (minimum_ < 0 || maximum_ < 0)
      throw AxisException("Logarithmic Axis Min and Max values should be >= 0");
  }
  logarithmic_ = value;
  Changed();
}

void TChartAxis::SetLogarithmicBase(int value) {
  if (value < 2) throw AxisException("Axis Logarithmic Base should be >= 2");
  SetProperty(logarithmicBase_, value);
}

void TChartAxis::SetLabelsAngle(int value) {
  if (value < 0 || value > 359)
    throw ChartException("Axis Labels Angle must be between 0 and 359 degrees");
  SetProperty(labelsAngle_, value);
}

void TChartAxis::SetLabelsSeparation(int value) {
  if (value < 0) throw AxisException("Labels Separation % must be greater than 0");
  SetProperty(labelsSeparation_, value);
}

double TChartAxis::ScaledRange() const {
  return scaleMax_ * kOverflowScale - scaleMin_ * kOverflowScale;
}

int TChartAxis::ValueToPixel(double value) const {
  if (scaleRange_ != 0) {
    double t = (value - scaleMin_) * pixelSize_;
    if (std::isfinite(t) && std::isfinite(scaleRange_))
      t /= scaleRange_;
    else
      t = (value * kOverflowScale - scaleMin_ * kOverflowScale) * pixelSize_ / ScaledRange();
    if (std::fabs(t) < kIntegerLimit) {
      const int offset = static_cast<int>(RoundHalfEven(t));
      // Horizontal axes run forward, vertical ones from the end (larger values higher up).
      return horizontal_ != inverted_ ? pixelStart_ + offset : pixelEnd_ - offset;
    }
  }
  return pixelCentre_;
}

double TChartAxis::PixelToValue(int pixel) const {
  if (pixelSize_ < 1) return 0.0;
  const int offset = inverted_ ? pixelEnd_ - pixel : pixel - pixelStart_;
  double d = offset * scaleRange_;
  if (std::isfinite(d))
    d /= pixelSize_;
  else
    d = offset * ScaledRange() / pixelSize_ / kOverflowScale;
  return horizontal_ ? scaleMin_ + d : scaleMax_ - d;
}

void TChartAxis::RecalcDateTimeAxis() {
  dateTimeAxis_ = false;
  if (!chart_) return;
  for (const TChartSeries* series : chart_->SeriesList()) {
    if (!series->Active() || !series->AssociatedToAxis(*this)) continue;
    dateTimeAxis_ = horizontal_ ? series->XValues().DateTime() : series->YValues().DateTime();
    return;
  }
}

void TChartAxis::AdjustMaxMin() {
  if (chart_) {
    // The active attached series decide; only when there are none do the inactive ones.
    bool anyActive = false;
    for (const TChartSeries* series : chart_->SeriesList())
      if (series->Active() && series->AssociatedToAxis(*this)) anyActive = true;
    bool found = false;
    double lowest = 0.0;
    double highest = 0.0;
    for (const TChartSeries* series : chart_->SeriesList()) {
      if (series->Active() != anyActive || !series->AssociatedToAxis(*this)) continue;
      if (series->PointCount() == 0) continue;
      const double lo = horizontal_ ? series->LowestX() : series->LowestY();
      const double hi = horizontal_ ? series->HighestX() : series->HighestY();
      if (!found || lo < lowest) lowest = lo;
      if (!found || hi > highest) highest = hi;
      found = true;
    }
    if (automatic_ || automaticMaximum_) maximum_ = highest;
    if (automatic_ || automaticMinimum_) minimum_ = lowest;
  }
  scaleMax_ = maximum_;
  scaleMin_ = minimum_;
  scaleRange_ = scaleMax_ - scaleMin_;
}

void TChartAxis::CalcRect(TChartCanvas& canvas, TRect& r) {
  const int otherDimension = horizontal_ ? r.Height() : r.Width();
  auto take = [&](int n) -> int {
    if (horizontal_) {
      if (otherSide_) return r.Top += n;
      return r.Bottom -= n;
    }
    if (otherSide_) return r.Right -= n;
    return r.Left += n;
  };

  RecalcDateTimeAxis();
  if (!title_.Caption().empty()) titleEdge_ = take(SizeTitle(canvas));
  if (labels_) labelsEdge_ = take(SizeLabels(canvas));
  int t = axis_.Visible() ? axis_.Width() : 0;
  if (ticks_.Visible()) t += tickLength_;
  if (minorTicks_.Visible()) t = std::max(t, minorTickLength_);
  if (t > 0) take(t);

  if (positionPercent_ != 0) {
    const int shift = static_cast<int>(RoundHalfEven(positionPercent_ * 0.01 * otherDimension));
    const int inward = (horizontal_ ? !otherSide_ : otherSide_) ? -shift : shift;
    titleEdge_ += inward;
    labelsEdge_ += inward;
  }
}

void TChartAxis::CalcPixelEnds(const TRect& plotRect) {
  const int s = horizontal_ ? plotRect.Left : plotRect.Top;
  const int n = horizontal_ ? plotRect.Width() : plotRect.Height();
  pixelStart_ = s + static_cast<int>(RoundHalfEven(n * 0.01 * startPosition_));
  pixelEnd_ = s + static_cast<int>(RoundHalfEven(n * 0.01 * endPosition_));
  pixelSize_ = pixelEnd_ - pixelStart_;
  pixelCentre_ = (pixelStart_ + pixelEnd_) / 2;
}

void TChartAxis::ApplySeriesMargins(const TRect& plotRect) {
  if (!chart_) return;
  int startMargin = 0;
  int endMargin = 0;
  for (const TChartSeries* series : chart_->SeriesList()) {
    if (!series->Active() || !series->AssociatedToAxis(*this)) continue;
    int a = 0;
    int b = 0;
    if (horizontal_) {
      series->GetHorizMargins(a, b);
      if (automaticMinimum_) startMargin = std::max(startMargin, a);
      if (automaticMaximum_) endMargin = std::max(endMargin, b);
    } else {
      series->GetVertMargins(a, b);
      if (automaticMaximum_) startMargin = std::max(startMargin, a);
      if (automaticMinimum_) endMargin = std::max(endMargin, b);
    }
  }
  if (startMargin == 0 && endMargin == 0) return;
  // Margins that would leave the axis without length would turn the range into 0..0.
  if (pixelSize_ - startMargin - endMargin < 1) return;

  const int p0 = pixelStart_;
  const int p1 = pixelEnd_;
  pixelStart_ += startMargin;
  pixelEnd_ -= endMargin;
  pixelSize_ = pixelEnd_ - pixelStart_;
  double a = PixelToValue(p0);
  double b = PixelToValue(p1);
  CalcPixelEnds(plotRect);
  // Ends widened beyond the largest double would leave no range to draw in: keep the data's own.
  if (!std::isfinite(a) || !std::isfinite(b)) return;
  if (a > b) std::swap(a, b);
  scaleMin_ = a;
  scaleMax_ = b;
  scaleRange_ = b - a;
}

std::string TChartAxis::FormatAxisLabel(double value) const {
  return FormatLabel(value, ValueLabelFormat(), true);
}

int TChartAxis::LabelDecimalsFor(double increment) const {
  if (!labelsDecimalsFromIncrement_) return 0;
  return scaleRange_ == 0 ? kOwnDecimals : StepDecimals(increment);
}

std::string TChartAxis::ValueLabelFormat() const {
  if (labelDecimals_ == 0) return axisValuesFormat_;
  const std::string integerPart = axisValuesFormat_.substr(0, axisValuesFormat_.find('.')) + '.';
  // The value's own decimals: '#' places print only its significant digits.
  if (labelDecimals_ == kOwnDecimals) return integerPart + std::string(kMaxStepDecimals, '#');
  return integerPart + std::string(static_cast<std::size_t>(labelDecimals_), '0');
}

bool TChartAxis::FitLabelDecimals(TChartCanvas& canvas) {
  if (!labelsDecimalsFromIncrement_ || ResolvedLabelStyle() != talValue) return false;
  const int decimals = LabelDecimalsFor(CalcIncrement(canvas));
  if (decimals == labelDecimals_) return false;
  labelDecimals_ = decimals;
  return true;
}

std::string TChartAxis::FormatLabel(double value, const std::string& format, bool withEvent) const {
  std::string text;
  // Date-time labels are formatted as plain values; negative date-times have no text.
  if (!(dateTimeAxis_ && value < 0)) text = runtime::FormatFloat(format, value);
  if (withEvent && chart_ && chart_->OnGetAxisLabel)
    chart_->OnGetAxisLabel(*const_cast<TChartAxis*>(this), nullptr, -1, text);
  if (labelsMultiLine_) std::replace(text.begin(), text.end(), ' ', '\r');
  return text;
}

int TChartAxis::LabelWidth(TChartCanvas& canvas, const std::string& text) const {
  int widest = 0;
  for (std::string_view line : LabelLines(text)) widest = std::max(widest, canvas.TextWidth(line));
  return widest;
}

bool TChartAxis::RunsAlong(int angle) const {
  return horizontal_ ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
}

int TChartAxis::LabelFitSize(TChartCanvas& canvas, const std::string& text) const {
  const int lines = static_cast<int>(LabelLines(text).size());
  const int a = labelsAngle_;
  const bool stacked = horizontal_ ? (a == 90 || a == 270) : (a == 0 || a == 180);
  return stacked ? canvas.FontHeight() * lines : LabelWidth(canvas, text);
}

double TChartAxis::CalcIncrement(TChartCanvas& canvas) const {
  canvas.AssignFont(labelsFont_);
  // Fitted with the texts of AxisValuesFormat: the increment found decides any further decimals.
  const int size = std::max(LabelFitSize(canvas, FormatLabel(scaleMax_, axisValuesFormat_, false)),
                            LabelFitSize(canvas, FormatLabel(scaleMin_, axisValuesFormat_, false)));
  double n = 1;
  if (size > 0) {
    const double room =
        labelsSeparation_ > 0 ? size + RoundHalfEven(labelsSeparation_ * 0.01 * size) : size;
    n = RoundHalfEven(pixelSize_ / room);
  }
  if (n < 1) return kMinAxisIncrement;

  double s = increment_ > 0 ? increment_ : (std::fabs(scaleRange_) >= 1 ? 1.0 : kMinAxisIncrement);
  if (labelsSeparation_ > 0) {
    double count = n + 1;
    do {
      const double q = scaleRange_ / s;
      if (std::fabs(q) < kIntegerLimit) {
        count = RoundHalfEven(q);
        if (count > n) s = NextNiceStep(s);
      } else {
        s = NextNiceStep(s);
      }
    } while (count > n && std::isfinite(s));
  }
  return std::max(s, kMinAxisIncrement);
}

int TChartAxis::SizeTitle(TChartCanvas& canvas) const {
  if (titleSize_ != 0) return titleSize_;
  canvas.AssignFont(title_.Font());
  if (RunsAlong(title_.Angle())) return canvas.FontHeight();
  return canvas.TextWidth(title_.Caption());
}

int TChartAxis::SizeLabels(TChartCanvas& canvas) const {
  if (labelsSize_ != 0) return labelsSize_;
  canvas.AssignFont(labelsFont_);
  // Labels written along the axis need one line of room across it.
  if (RunsAlong(labelsAngle_)) return canvas.FontHeight();
  switch (ResolvedLabelStyle()) {
    case talValue: {
      // The increment uses the pixel length of the previous layout: the new one is only known
      // once every axis has taken its room.
      const double inc = CalcIncrement(canvas);
      double hi = scaleMax_;
      double lo = scaleMin_;
      if (roundFirstLabel_) {
        hi = inc * std::trunc(scaleMax_ / inc);
        lo = inc * std::trunc(scaleMin_ / inc);
      }
      const std::string format = ValueLabelFormat();
      return std::max(LabelWidth(canvas, FormatLabel(hi, format, false)),
                      LabelWidth(canvas, FormatLabel(lo, format, false))) +
             canvas.TextWidth(" ");
    }
    case talText:
    case talMark: {
      int widest = 0;
      for (const TChartSeries* series : chart_->SeriesList()) {
        if (ResolvedLabelStyle() == talMark && !series->Active()) continue;
        for (int i = 0; i < series->PointCount(); ++i)
          widest = std::max(widest, LabelWidth(canvas, series->PointLabel(i)));
      }
      return widest;
    }
    default: return 0;
  }
}

TAxisLabelStyle TChartAxis::ResolvedLabelStyle() const {
  if (labelStyle_ != talAuto) return labelStyle_;
  if (depthAxis_ || !chart_) return talValue;
  bool attached = false;
  for (const TChartSeries* series : chart_->SeriesList()) {
    if (!series->Active() || !series->AssociatedToAxis(*this)) continue;
    attached = true;
    // Point labels run along the horizontal axis of a series whose Y values are the plotted ones.
    const bool labelsAlongThisAxis = series->YMandatory() == horizontal_;
    if (labelsAlongThisAxis && series->PointCount() > 0 && !series->PointLabel(0).empty())
      return talText;
  }
  return attached ? talValue : talNone;
}

}  // namespace chart
