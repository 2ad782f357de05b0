// The main window's chart as the window shows it before any record: panel, titles, axes and the
// four line series.
#pragma once

#include "chart/TChart.h"
#include "chart/TLineSeries.h"

namespace stroopchart {

// The four series of the main window, in the chart's list order. A series leaves its chart when
// destroyed, and the chart detaches any series left when it goes first.
struct TMainChartSeries {
  chart::TLineSeries Series5sec;     // one point per stimulus, red/green, square markers
  chart::TLineSeries Series5secAv;   // the subtest mean
  chart::TLineSeries Series5sec2Dp;  // mean + 2 SD, dash-dot
  chart::TLineSeries Series5sec2Dm;  // mean - 2 SD, dash-dot
};

// The chart's place and size on the form and the colour of the two SD lines (red 64, green 0,
// blue 64).
inline constexpr int kMainChartLeft = 1;
inline constexpr int kMainChartTop = 1;
inline constexpr int kMainChartWidth = 1023;
inline constexpr int kMainChartHeight = 369;
inline constexpr chart::TColor kMainChartBandColor = 4194368;

// Gives `chart` the window's settings (bounds 1, 1, 1023 x 369; margins 1/2/1/2; fonts, colours,
// axis formats and titles, the two title lines shown before the first plot) and attaches the four
// series with their pens and pointers. The canvas is the caller's choice.
void SetUpMainChart(chart::TChart& chart, TMainChartSeries& series);

}  // namespace stroopchart
