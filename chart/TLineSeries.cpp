// The line series: draws its connecting line; the pointer starts hidden.
#include "chart/TLineSeries.h"

namespace chart {

TLineSeries::TLineSeries() {
  SetDrawsLine(true);
  Pointer().SetVisible(false);
}

}  // namespace chart
