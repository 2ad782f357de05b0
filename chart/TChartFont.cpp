// Chart fonts: point sizes are kept as pixel heights at screen resolution.
#include "chart/TChartFont.h"

#include "chart/ChartMath.h"

namespace chart {

int TChartFont::Size() const { return -MulDiv(height_, 72, kScreenPixelsPerInch); }

void TChartFont::SetSize(int points) { SetHeight(-MulDiv(points, kScreenPixelsPerInch, 72)); }

void TChartFont::Assign(const TChartFont& source) {
  if (name_ == source.name_ && height_ == source.height_ && color_ == source.color_ &&
      style_ == source.style_)
    return;
  name_ = source.name_;
  height_ = source.height_;
  color_ = source.color_;
  style_ = source.style_;
  Changed();
}

}  // namespace chart
