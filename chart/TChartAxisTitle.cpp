// The axis title's angle check.
#include "chart/TChartAxisTitle.h"

#include "chart/ChartException.h"

namespace chart {

TChartAxisTitle::TChartAxisTitle(int angle) : angle_(angle) {
  font_.SetOnChange([this] { Changed(); });
}

void TChartAxisTitle::SetAngle(int value) {
  if (value == angle_) return;
  if (value < 0 || value > 359)
    throw ChartException("Axis Title Angle must be between 0 and 359 degrees");
  angle_ = value;
  Changed();
}

}  // namespace chart
