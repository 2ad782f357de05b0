// The main window's chart as its form stores it: panel, titles, axes and the four line series.
#pragma once

#include "chart/TChart.h"
#include "chart/TLineSeries.h"

namespace chart {

// The four series of the main window, in the chart's list order. Owned by the window (or by a
// headless export); a series leaves its chart when destroyed, and the chart detaches any series
// left when it goes first.
struct TMainChartSeries {
  TLineSeries Series5sec;     // one point per stimulus, red/green, square markers
  TLineSeries Series5secAv;   // the subtest mean
  TLineSeries Series5sec2Dp;  // mean + 2 SD, dash-dot
  TLineSeries Series5sec2Dm;  // mean - 2 SD, dash-dot
};

// The chart's size on the form and the colour of the two SD lines (red 64, green 0, blue 64).
inline constexpr int MainChartLeft = 1;
inline constexpr int MainChartTop = 1;
inline constexpr int MainChartWidth = 1023;
inline constexpr int MainChartHeight = 369;
inline constexpr TColor MainChartBandColor = 4194368;

// Applies the stored settings to `chart` (bounds 1, 1, 1023 x 369; margins 1/2/1/2; fonts,
// colours, axis formats and titles, design-time title lines) and attaches the four series with
// their pens and pointers. The caller gives the chart its canvas.
void SetUpMainChart(TChart& chart, TMainChartSeries& series);

}  // namespace chart
