// The per-subtest reaction-time plot: fills the main chart's four series and writes its two title
// lines.
#pragma once

#include <string>

#include "analysis/RecordData.h"
#include "chart/TColor.h"

namespace chart {
class TChart;
struct TMainChartSeries;
}  // namespace chart

namespace analysis {

// The readout text of one stimulus in a subtest (CP1251), e.g. "[НЦ] Стимул - Синий, Ответ -
// Синий".
std::string StimulusLabel(const TStimulusRow& row, int subtest);
// Whether the answer is the one the subtest asks for: the colour shown in 1 and 4, the word in 2
// and 3.
bool AnswerCorrect(const TStimulusRow& row, int subtest);
// clGreen for a correct answer, clRed for a wrong one.
chart::TColor StimulusColor(const TStimulusRow& row, int subtest);

// "График времени реакции на стимулы - " and the subtest's title.
std::string PlotTitleLine1(int subtest);
// Total time, mean, SD and errors of the subtest, with the current decimal separator.
std::string PlotTitleLine2(const RecordData& record, int subtest);

// Empties every series of the chart, refills the four for record.CurrentSubtest and rewrites the
// title. The bottom axis title is left as it is.
void PlotSubtest(chart::TChart& chart, chart::TMainChartSeries& series, const RecordData& record);

}  // namespace analysis
