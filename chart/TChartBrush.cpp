// The chart brush: a colour given to a clear brush makes it solid.
#include "chart/TChartBrush.h"

namespace chart {

void TChartBrush::SetColor(TColor value) {
  StoreIfChanged(color_, value, [this] {
    if (style_ == bsClear) style_ = bsSolid;
    Changed();
  });
}

void TChartBrush::Assign(const TChartBrush& source) {
  if (color_ == source.color_ && style_ == source.style_) return;
  color_ = source.color_;
  style_ = source.style_;
  Changed();
}

}  // namespace chart
