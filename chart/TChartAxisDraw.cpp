// Drawing an axis: title, labels from the largest value down, axis line, ticks, grid and minor
// ticks.
#include <cmath>

#include "chart/ChartMath.h"
#include "chart/LabelLines.h"
#include "chart/TChart.h"
#include "chart/TChartAxis.h"
#include "chart/TChartCanvas.h"
#include "chart/TChartSeries.h"

namespace chart {

namespace {

enum class Side { Bottom, Top, Left, Right };

struct Placement {
  unsigned align;
  int dx;
  int dy;
};

// How text at an angle sits at its reference point on each side: alignment flags and the offset
// of the reference, for a line height h. Rotation is counter-clockwise.
Placement PlaceText(Side side, int angle, int h) {
  switch (angle) {
    case 90:
      switch (side) {
        case Side::Bottom: return {kAlignRight | kAlignTop, -h / 2, 0};
        case Side::Top: return {kAlignLeft | kAlignTop, -h / 2, 0};
        case Side::Left: return {kAlignCenter | kAlignBottom, 0, 0};
        case Side::Right: return {kAlignCenter | kAlignTop, 0, 0};
      }
      break;
    case 270:
      switch (side) {
        case Side::Bottom: return {kAlignLeft | kAlignTop, h / 2, 0};
        case Side::Top: return {kAlignRight | kAlignTop, h / 2, 0};
        case Side::Left: return {kAlignCenter | kAlignTop, 0, 0};
        case Side::Right: return {kAlignCenter | kAlignBottom, 0, 0};
      }
      break;
    case 180:
      switch (side) {
        case Side::Bottom: return {kAlignCenter | kAlignTop, 0, h};
        case Side::Top: return {kAlignCenter | kAlignTop, 0, 0};
        case Side::Left: return {kAlignLeft | kAlignTop, 0, h / 2};
        case Side::Right: return {kAlignRight | kAlignTop, 0, h / 2};
      }
      break;
    default: break;
  }
  switch (side) {
    case Side::Bottom: return {kAlignCenter | kAlignTop, 0, 0};
    case Side::Top: return {kAlignCenter | kAlignBottom, 0, 0};
    case Side::Left: return {kAlignRight | kAlignTop, 0, 0};
    case Side::Right: return {kAlignLeft | kAlignTop, 0, 0};
  }
  return {kAlignLeft | kAlignTop, 0, 0};
}

}  // namespace

void TChartAxis::DrawAxisText(TChartCanvas& canvas, int x, int y, int angle,
                              const std::string& text) const {
  const Side side = horizontal_ ? (otherSide_ ? Side::Top : Side::Bottom)
                                : (otherSide_ ? Side::Right : Side::Left);
  const int h = canvas.FontHeight();
  const std::vector<std::string_view> lines = LabelLines(text);
  const int n = static_cast<int>(lines.size());
  const Placement place = PlaceText(side, angle, h);
  canvas.SetTextAlign(place.align);
  if (angle == 0) {
    // Upright text: the block hangs below a bottom axis' edge, stands above a top axis' edge
    // and is centred vertically on a vertical axis' position.
    int top = y;
    if (side == Side::Top) top = y - (n - 1) * h;
    if (side == Side::Left || side == Side::Right) top = y - n * h / 2;
    for (int i = 0; i < n; ++i) canvas.TextOut(x, top + i * h, lines[static_cast<std::size_t>(i)]);
    return;
  }
  // Rotated lines follow one another in the direction the rotated glyphs' feet point to.
  const double radians = angle * 3.14159265358979323846 / 180.0;
  const int downX = static_cast<int>(std::lround(std::sin(radians) * h));
  const int downY = static_cast<int>(std::lround(std::cos(radians) * h));
  for (int i = 0; i < n; ++i)
    canvas.RotatedTextOut(x + place.dx + i * downX, y + place.dy + i * downY,
                          lines[static_cast<std::size_t>(i)], angle);
}

void TChartAxis::DrawTitle(TChartCanvas& canvas) const {
  canvas.AssignFont(title_.Font());
  canvas.Brush().Style = bsClear;
  canvas.SetBackMode(bmTransparent);
  if (horizontal_)
    DrawAxisText(canvas, pixelCentre_, titleEdge_, title_.Angle(), title_.Caption());
  else
    DrawAxisText(canvas, titleEdge_, pixelCentre_, title_.Angle(), title_.Caption());
}

void TChartAxis::AddTick(int position) {
  if (static_cast<int>(tickPositions_.size()) < kMaxAxisTicks) tickPositions_.push_back(position);
}

void TChartAxis::PlaceLabel(TChartCanvas& canvas, double value, const std::string* pointText) {
  const int p = ValueToPixel(value);
  // Without LabelsOnAxis a value that falls on an axis end gets no label, tick or grid line.
  if (!labelsOnAxis_ && !(pixelStart_ < p && p < pixelEnd_)) return;
  if (!tickOnLabelsOnly_) AddTick(p);
  if (!labels_) return;
  const std::string text = pointText ? *pointText : FormatLabel(value, ValueLabelFormat(), true);
  canvas.AssignFont(labelsFont_);
  canvas.Brush().Style = bsClear;
  canvas.SetBackMode(bmTransparent);
  if (horizontal_)
    DrawAxisText(canvas, p, labelsEdge_, labelsAngle_, text);
  else
    DrawAxisText(canvas, labelsEdge_, p, labelsAngle_, text);
  if (tickOnLabelsOnly_) AddTick(p);
}

void TChartAxis::GenerateValueLabels(TChartCanvas& canvas) {
  const double increment = CalcIncrement(canvas);
  labelDecimals_ = LabelDecimalsFor(increment);
  if (std::fabs(scaleRange_ / increment) >= kMaxAxisLabels) return;
  double v = scaleMax_;
  if (scaleMin_ != scaleMax_ && roundFirstLabel_) v = increment * std::trunc(scaleMax_ / increment);
  // Each step must change v: a value too large for the increment would never move.
  while (v > scaleMax_ && v - increment != v) v -= increment;
  if (scaleRange_ == 0) {
    // A zero range draws the single label at ScaleMax: every further value falls on the
    // same pixel with the same text.
    PlaceLabel(canvas, v, nullptr);
    return;
  }
  const double bound = (scaleMin_ - kMinAxisIncrement) / 1.000000000001;
  while (v >= bound) {
    PlaceLabel(canvas, v, nullptr);
    const double next = v - increment;
    if (next == v) break;
    v = next;
  }
}

void TChartAxis::GeneratePointLabels(TChartCanvas& canvas) {
  for (const TChartSeries* series : chart_->SeriesList()) {
    if (!series->Active() || !series->AssociatedToAxis(*this)) continue;
    for (int i = 0; i < series->PointCount(); ++i) {
      const std::string text = series->PointLabel(i);
      PlaceLabel(canvas, horizontal_ ? series->PointX(i) : series->PointY(i), &text);
    }
    return;  // the first attached series labels the axis
  }
}

void TChartAxis::DrawAxisLine(TChartCanvas& canvas) const {
  canvas.AssignChartPen(axis_);
  if (horizontal_)
    canvas.DoHorizLine(pixelStart_, pixelEnd_, axisLinePos_);
  else
    canvas.DoVertLine(axisLinePos_, pixelStart_, pixelEnd_);
}

void TChartAxis::DrawTicks(TChartCanvas& canvas, const std::vector<int>& positions, int offset,
                           int length, bool inwards) const {
  // Outwards is down for the bottom axis, up for the top, left for the left, right for the right.
  const bool outwardIsPositive = horizontal_ ? !otherSide_ : otherSide_;
  const int direction = (outwardIsPositive != inwards) ? 1 : -1;
  const int from = axisLinePos_ + direction * offset;
  const int to = from + direction * length;
  for (int p : positions) {
    if (horizontal_)
      canvas.DoVertLine(p, from, to);
    else
      canvas.DoHorizLine(from, to, p);
  }
}

void TChartAxis::DrawGrid(TChartCanvas& canvas, const TChartPen& pen,
                          const std::vector<int>& positions, const TRect& plotRect) const {
  canvas.AssignChartPen(pen);
  if (pen.Color() == clNotSet) canvas.Pen().Color = clGray;
  canvas.Brush().Style = bsClear;
  canvas.SetBackMode(bmTransparent);
  for (int p : positions) {
    if (horizontal_)
      canvas.DoVertLine(p, plotRect.Top, plotRect.Bottom);
    else
      canvas.DoHorizLine(plotRect.Left, plotRect.Right, p);
  }
  canvas.SetBackMode(bmOpaque);
}

std::vector<int> TChartAxis::MinorTickPositions() const {
  std::vector<int> result;
  const auto& ticks = tickPositions_;
  const int count = minorTickCount_;
  auto keep = [&](int p) {
    if (pixelStart_ < p && p < pixelEnd_) result.push_back(p);
  };
  for (std::size_t i = 0; i + 1 < ticks.size(); ++i) {
    const int a = ticks[i];
    const int b = ticks[i + 1];
    for (int j = 1; j <= count; ++j)
      keep(b - static_cast<int>(RoundHalfEven(static_cast<double>(j) * (b - a) / (count + 1))));
  }
  if (!logarithmic_) {
    const int first = ticks.front();
    const int last = ticks.back();
    for (int j = 1; j <= count; ++j) {
      const int d = static_cast<int>(
          RoundHalfEven(static_cast<double>(j) * (ticks[1] - first) / (count + 1)));
      keep(first - d);
      keep(last + d);
    }
  }
  return result;
}

void TChartAxis::Draw(TChartCanvas& canvas, const TRect& plotRect) {
  canvas.AssignFont(labelsFont_);
  RecalcDateTimeAxis();
  const int shift = static_cast<int>(RoundHalfEven(
      positionPercent_ * 0.01 * (horizontal_ ? plotRect.Height() : plotRect.Width())));
  if (horizontal_)
    axisLinePos_ = otherSide_ ? plotRect.Top + shift : plotRect.Bottom - shift;
  else
    axisLinePos_ = otherSide_ ? plotRect.Right - shift : plotRect.Left + shift;

  if (!title_.Caption().empty()) DrawTitle(canvas);

  tickPositions_.clear();
  switch (ResolvedLabelStyle()) {
    case talValue: GenerateValueLabels(canvas); break;
    case talMark:
    case talText: GeneratePointLabels(canvas); break;
    default: break;
  }

  if (axis_.Visible()) DrawAxisLine(canvas);
  if (ticks_.Visible()) {
    canvas.AssignChartPen(ticks_);
    DrawTicks(canvas, tickPositions_, 1, tickLength_, false);
  }
  if (grid_.Visible()) DrawGrid(canvas, grid_, GridPositions(), plotRect);
  if (ticksInner_.Visible() && tickInnerLength_ != 0) {
    canvas.AssignChartPen(ticksInner_);
    DrawTicks(canvas, tickPositions_, 1, tickInnerLength_, true);
  }
  if (minorTicks_.Visible() && tickPositions_.size() > 1) {
    const std::vector<int> minor = MinorTickPositions();
    canvas.AssignChartPen(minorTicks_);
    DrawTicks(canvas, minor, 1, minorTickLength_, false);
    if (minorGrid_.Visible()) DrawGrid(canvas, minorGrid_, minor, plotRect);
  }
}

std::vector<int> TChartAxis::GridPositions() const {
  if (!gridCentered_) return tickPositions_;
  std::vector<int> middles;
  for (std::size_t i = 0; i + 1 < tickPositions_.size(); ++i)
    middles.push_back(
        static_cast<int>(RoundHalfEven((tickPositions_[i] + tickPositions_[i + 1]) / 2.0)));
  return middles;
}

}  // namespace chart
