// The line series: a connecting line through the points, markers hidden until switched on.
#pragma once

#include "chart/TCustomSeries.h"

namespace chart {

class TLineSeries : public TCustomSeries {
 public:
  TLineSeries();

  // Copies every setting of another line series (not its points), keeping the line drawn and
  // the area off.
  void Assign(const TLineSeries& source);
};

}  // namespace chart
