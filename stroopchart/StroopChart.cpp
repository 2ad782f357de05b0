// The chart of a record: set-up on construction, one subtest of a record per call.
#include "stroopchart/StroopChart.h"

#include "stroopchart/PlotSubtest.h"

namespace stroopchart {

StroopChart::StroopChart(std::unique_ptr<chart::TChartCanvas> canvas) {
  SetUpMainChart(chart_, series_);
  if (canvas) chart_.SetCanvas(std::move(canvas));
}

void StroopChart::ShowSubtest(const analysis::RecordData& record, int subtest) {
  PlotSubtest(chart_, series_, record, subtest);
  chart_.Foot().Text().Clear();
  chart_.Foot().Text().Add(record.SubjectLine);
}

}  // namespace stroopchart
