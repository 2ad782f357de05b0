// The chart of a record: the main window's chart with its four series, drawing on a canvas of the
// caller's choice (the window's image, an off-screen one, a recording canvas), showing one subtest
// of a record.
#pragma once

#include <memory>

#include "analysis/RecordData.h"
#include "chart/TChart.h"
#include "chart/TChartCanvas.h"
#include "stroopchart/MainChartSetup.h"

namespace stroopchart {

class StroopChart {
 public:
  // The chart set up as the window shows it before any record, drawing on `canvas`. Without a
  // canvas the chart can be filled and its points read, but it paints nothing.
  explicit StroopChart(std::unique_ptr<chart::TChartCanvas> canvas = nullptr);
  StroopChart(const StroopChart&) = delete;
  StroopChart& operator=(const StroopChart&) = delete;

  chart::TChart& Chart() { return chart_; }
  TMainChartSeries& Series() { return series_; }

  // Shows subtest 1..4 of the record: its points and two title lines, and the subject's
  // identification line in the foot. The bottom axis title keeps whatever the mouse readout last
  // put there.
  void ShowSubtest(const analysis::RecordData& record, int subtest);

 private:
  chart::TChart chart_;
  TMainChartSeries series_;  // destroyed first: each series leaves the chart
};

}  // namespace stroopchart
