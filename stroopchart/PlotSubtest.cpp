// Fills the main chart for one subtest: stimulus points with labels and colours, mean and ±2 SD
// lines.
#include "stroopchart/PlotSubtest.h"

#include <cassert>

#include "analysis/RecordTexts.h"
#include "runtime/Cp1251.h"
#include "runtime/Format.h"
#include "stroopchart/MainChartSetup.h"

namespace stroopchart {

using analysis::RecordData;
using analysis::TStimulusRow;

namespace {

// The label pieces, used exactly as they stand: subtest 4's mark is "[ЧНСо]" and its second piece
// has no blank after the comma and two before the dash.
struct LabelTexts {
  std::string stimulus1 = runtime::Cp1251FromUtf8("[НЦ] Стимул - ");
  std::string stimulus2 = runtime::Cp1251FromUtf8("[ЧНЦч] Стимул - ");
  std::string word3 = runtime::Cp1251FromUtf8("[ЧНЦо] Название цвета - ");
  std::string ink3 = runtime::Cp1251FromUtf8(", Цвет шрифта - ");
  std::string ink4 = runtime::Cp1251FromUtf8("[ЧНСо] Цвет шрифта - ");
  std::string word4 = runtime::Cp1251FromUtf8(",Название цвета  - ");
  std::string answer = runtime::Cp1251FromUtf8(", Ответ - ");
  std::string title = runtime::Cp1251FromUtf8("График времени реакции на стимулы - ");
  std::string summary = runtime::Cp1251FromUtf8(
      "Время выполнения - %3.0f сек, Mean - %4.2f сек, SD - %4.2f сек, N ошибок - %d");
};

const LabelTexts& Texts() {
  static const LabelTexts texts;
  return texts;
}

// The loader admits only codes 0..2, so every code has a name.
const std::string& Name(uint8_t code) {
  assert(code < analysis::ColourNames().size());
  return analysis::ColourNames()[code];
}

}  // namespace

bool AnswerCorrect(const TStimulusRow& row, int subtest) {
  const uint8_t expected = (subtest == 1 || subtest == 4) ? row.Stimul1 : row.Stimul2;
  return row.Answer[subtest] == expected;
}

chart::TColor StimulusColor(const TStimulusRow& row, int subtest) {
  return AnswerCorrect(row, subtest) ? chart::clGreen : chart::clRed;
}

std::string StimulusLabel(const TStimulusRow& row, int subtest) {
  const LabelTexts& t = Texts();
  const std::string& answer = Name(row.Answer[subtest]);
  switch (subtest) {
    case 1: return t.stimulus1 + Name(row.Stimul1) + t.answer + answer;
    case 2: return t.stimulus2 + Name(row.Stimul2) + t.answer + answer;
    case 3: return t.word3 + Name(row.Stimul2) + t.ink3 + Name(row.Stimul1) + t.answer + answer;
    default: return t.ink4 + Name(row.Stimul1) + t.word4 + Name(row.Stimul2) + t.answer + answer;
  }
}

std::string PlotTitleLine1(int subtest) {
  return Texts().title + analysis::SubtestTitles()[subtest];
}

std::string PlotTitleLine2(const RecordData& record, int subtest) {
  return runtime::Format(Texts().summary,
                         {record.SubtestTime[subtest], record.SubtestMean[subtest],
                          record.SubtestSD[subtest], int{record.SubtestErrors[subtest]}});
}

void PlotSubtest(chart::TChart& chart, TMainChartSeries& series, const RecordData& record, int s) {
  for (int i = 0; i < chart.CountSeries(); ++i) chart.SeriesAt(i)->RemoveAllPoints();

  const double mean = record.SubtestMean[s];
  const double sd = record.SubtestSD[s];
  for (int c = 1; c <= record.StimulusCount; ++c) {
    const TStimulusRow& row = record.Stimuli[static_cast<size_t>(c - 1)];
    const double x = c;
    series.Series5sec.AddPoint(x, row.Time[s], StimulusLabel(row, s), StimulusColor(row, s));
    series.Series5secAv.AddPoint(x, mean, {}, chart::clNotSet);
    series.Series5sec2Dp.AddPoint(x, 2 * sd + mean, {}, chart::clNotSet);
    series.Series5sec2Dm.AddPoint(x, mean - 2 * sd, {}, chart::clNotSet);
  }

  chart.Title().Text().Clear();
  chart.Title().Text().Add(PlotTitleLine1(s));
  chart.Title().Text().Add(PlotTitleLine2(record, s));
}

}  // namespace stroopchart
