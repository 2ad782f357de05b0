// Copying chart pens.
#include "chart/TChartPen.h"

namespace chart {

void TChartPen::Assign(const TChartPen& source) {
  const bool changed = color_ != source.color_ || style_ != source.style_ ||
                       width_ != source.width_ || visible_ != source.visible_ ||
                       smallDots_ != source.smallDots_;
  if (!changed) return;
  color_ = source.color_;
  style_ = source.style_;
  width_ = source.width_;
  visible_ = source.visible_;
  smallDots_ = source.smallDots_;
  Changed();
}

}  // namespace chart
