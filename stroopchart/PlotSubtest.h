// The per-subtest reaction-time plot: fills the main chart's four series and writes its two title
// lines.
#pragma once

#include <string>

#include "analysis/RecordData.h"
#include "chart/TColor.h"

namespace chart {
class TChart;
}

namespace stroopchart {

struct TMainChartSeries;

// The readout text of one stimulus in a subtest (CP1251), e.g. "[НЦ] Стимул - Синий, Ответ -
// Синий".
std::string StimulusLabel(const analysis::TStimulusRow& row, int subtest);
// Whether the answer is the one the subtest asks for: the colour shown in 1 and 4, the word in 2
// and 3.
bool AnswerCorrect(const analysis::TStimulusRow& row, int subtest);
// clGreen for a correct answer, clRed for a wrong one.
chart::TColor StimulusColor(const analysis::TStimulusRow& row, int subtest);

// "График времени реакции на стимулы - " and the subtest's title.
std::string PlotTitleLine1(int subtest);
// Total time, mean, SD and errors of the subtest, with the current decimal separator.
std::string PlotTitleLine2(const analysis::RecordData& record, int subtest);

// Empties every series of the chart, refills the four for subtest 1..4 of the record and rewrites
// the title. The foot and the bottom axis title are left as they are.
void PlotSubtest(chart::TChart& chart, TMainChartSeries& series, const analysis::RecordData& record,
                 int subtest);

}  // namespace stroopchart
