// The line series: a connecting line through the points, markers hidden until switched on.
#pragma once

#include "chart/TCustomSeries.h"

namespace chart {

class TLineSeries : public TCustomSeries {
 public:
  TLineSeries();
};

}  // namespace chart
