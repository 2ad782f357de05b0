// Synthetic stimuli for the main chart: the render tool and the chart benchmark plot them.
#pragma once

#include "chart/MainChartSetup.h"

namespace samples {

// Refills the four series with `count` stimuli of subtest 1 the way the subtest plot does: one
// red (wrong) or green (correct) point per stimulus with its readout label, and the mean and
// mean +- 2 SD lines with a point per stimulus; then writes the two title lines and a foot line.
// The same count always gives the same chart.
void FillSampleChart(chart::TChart& chart, chart::TMainChartSeries& series, int count);

}  // namespace samples
