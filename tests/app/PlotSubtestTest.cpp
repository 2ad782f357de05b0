// The plot routine: point labels and colours per subtest, the two title lines, and the four series'
// points.
#include <gtest/gtest.h>

#include "analysis/PlotSubtest.h"
#include "chart/MainChartSetup.h"
#include "runtime/Cp1251.h"
#include "runtime/FormatSettings.h"

namespace analysis {
namespace {

std::string U(const char* utf8) { return runtime::Cp1251FromUtf8(utf8); }

TStimulusRow Row(uint8_t stimul1, uint8_t stimul2, std::array<uint8_t, 4> answers,
                 std::array<double, 4> times = {0.5, 0.6, 0.7, 0.8}) {
  TStimulusRow row;
  row.Stimul1 = stimul1;
  row.Stimul2 = stimul2;
  for (int s = 1; s <= 4; ++s) {
    row.Answer[s] = answers[static_cast<size_t>(s - 1)];
    row.Time[s] = times[static_cast<size_t>(s - 1)];
  }
  return row;
}

TEST(PlotLabels, PiecesExactlyAsWrittenAndColoursByTheSubtestsRule) {
  // Stimul1 1 (blue shown), Stimul2 2 (the word "green"), answers per subtest.
  const TStimulusRow row = Row(1, 2, {1, 0, 2, 2});
  const struct {
    int subtest;
    const char* label;
    chart::TColor color;
  } cases[] = {
      {1, "[НЦ] Стимул - Синий, Ответ - Синий", chart::clGreen},
      {2, "[ЧНЦч] Стимул - Зеленый, Ответ - Красный", chart::clRed},
      {3, "[ЧНЦо] Название цвета - Зеленый, Цвет шрифта - Синий, Ответ - Зеленый", chart::clGreen},
      // Subtest 4 names the ink, so "Зеленый" is wrong here; its mark and second piece are as
      // written.
      {4, "[ЧНСо] Цвет шрифта - Синий,Название цвета  - Зеленый, Ответ - Зеленый", chart::clRed},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StimulusLabel(row, c.subtest), U(c.label)) << c.subtest;
    EXPECT_EQ(StimulusColor(row, c.subtest), c.color) << c.subtest;
  }
  const TStimulusRow inkNamed = Row(0, 1, {0, 1, 1, 0});
  for (int s = 1; s <= 4; ++s) EXPECT_TRUE(AnswerCorrect(inkNamed, s)) << s;
  EXPECT_EQ(chart::clGreen, 0x008000u);
  EXPECT_EQ(chart::clRed, 0x0000FFu);
}

RecordData Record(int stimuli) {
  RecordData r;
  r.SubjectCode = "5012";
  r.SubjectLine = U("Код: 5012  Имя: Тест  Дата ПФО: 01.02.2026 10:00");
  const double times[] = {0, 105, 92, 107, 117};
  const double means[] = {0, 0.75, 0.66, 0.76, 0.84};
  const double sds[] = {0, 0.30, 0.0, 0.25, 0.125};
  const uint8_t errors[] = {0, 3, 0, 12, 255};
  for (int s = 1; s <= 4; ++s) {
    r.SubtestTime[s] = times[s];
    r.SubtestMean[s] = means[s];
    r.SubtestSD[s] = sds[s];
    r.SubtestErrors[s] = errors[s];
  }
  for (int c = 0; c < stimuli; ++c)
    r.Stimuli.push_back(Row(static_cast<uint8_t>(c % 3), static_cast<uint8_t>((c + 1) % 3),
                            {static_cast<uint8_t>(c % 3), static_cast<uint8_t>(c % 2), 1, 2},
                            {0.5 + c, 1.5 + c, 2.5 + c, 3.5 + c}));
  r.StimulusCount = stimuli;
  return r;
}

TEST(PlotTitle, LinesWithWidthsRoundingAndTheDecimalSeparator) {
  const RecordData r = Record(0);
  EXPECT_EQ(PlotTitleLine1(1),
            U("График времени реакции на стимулы - \"Название цвета прямоугольника\" [НЦ]"));
  EXPECT_EQ(PlotTitleLine1(4),
            U("График времени реакции на стимулы - \"Название цветов слов (цвет шрифта отличается "
              "от значения слова)\" [НЦСо]"));
  const struct {
    int subtest;
    const char* line;
  } cases[] = {
      {1, "Время выполнения - 105 сек, Mean - 0.75 сек, SD - 0.30 сек, N ошибок - 3"},
      {2, "Время выполнения -  92 сек, Mean - 0.66 сек, SD - 0.00 сек, N ошибок - 0"},
      {4, "Время выполнения - 117 сек, Mean - 0.84 сек, SD - 0.13 сек, N ошибок - 255"},
  };
  for (const auto& c : cases) EXPECT_EQ(PlotTitleLine2(r, c.subtest), U(c.line)) << c.subtest;

  const char saved = runtime::DecimalSeparator();
  runtime::SetDecimalSeparator(',');
  EXPECT_EQ(PlotTitleLine2(r, 1),
            U("Время выполнения - 105 сек, Mean - 0,75 сек, SD - 0,30 сек, N ошибок - 3"));
  runtime::SetDecimalSeparator(saved);
}

struct Plotted {
  chart::TChart chart;
  chart::TMainChartSeries series;
  Plotted() { chart::SetUpMainChart(chart, series); }
};

TEST(PlotSubtest, FillsTheFourSeriesForTheCurrentSubtest) {
  Plotted p;
  RecordData r = Record(3);
  r.CurrentSubtest = 3;
  PlotSubtest(p.chart, p.series, r);

  ASSERT_EQ(p.series.Series5sec.PointCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(p.series.Series5sec.PointX(i), i + 1);
    EXPECT_EQ(p.series.Series5sec.PointY(i), 2.5 + i);
    EXPECT_EQ(p.series.Series5sec.PointLabel(i),
              StimulusLabel(r.Stimuli[static_cast<size_t>(i)], 3));
    EXPECT_EQ(p.series.Series5secAv.PointY(i), 0.76);
    EXPECT_DOUBLE_EQ(p.series.Series5sec2Dp.PointY(i), 1.26);
    EXPECT_DOUBLE_EQ(p.series.Series5sec2Dm.PointY(i), 0.26);
    EXPECT_EQ(p.series.Series5secAv.PointLabel(i), "");
    EXPECT_EQ(p.series.Series5secAv.PointColor(i), chart::clBlue);  // not set: the series colour
    EXPECT_EQ(p.series.Series5sec2Dm.PointColor(i), chart::MainChartBandColor);
  }
  EXPECT_EQ(p.chart.Title().Text().Lines(),
            (std::vector<std::string>{PlotTitleLine1(3), PlotTitleLine2(r, 3)}));
  EXPECT_EQ(p.chart.BottomAxis().Title().Caption(), U("Номер стимула"));
}

TEST(PlotSubtest, NoStimuliLeavesEverySeriesEmptyButWritesTheTitle) {
  Plotted p;
  PlotSubtest(p.chart, p.series, Record(5));
  PlotSubtest(p.chart, p.series, Record(0));
  for (int i = 0; i < p.chart.CountSeries(); ++i) EXPECT_EQ(p.chart.SeriesAt(i)->PointCount(), 0);
  EXPECT_EQ(p.chart.Title().Text().Count(), 2);
}

TEST(PlotSubtest, AnotherSubtestAndBackGivesTheSamePoints) {
  Plotted direct, roundTrip;
  RecordData r = Record(4);
  PlotSubtest(direct.chart, direct.series, r);
  r.CurrentSubtest = 2;
  PlotSubtest(roundTrip.chart, roundTrip.series, r);
  r.CurrentSubtest = 1;
  PlotSubtest(roundTrip.chart, roundTrip.series, r);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(direct.series.Series5sec.PointY(i), roundTrip.series.Series5sec.PointY(i));
    EXPECT_EQ(direct.series.Series5sec.PointColor(i), roundTrip.series.Series5sec.PointColor(i));
    EXPECT_EQ(direct.series.Series5sec.PointLabel(i), roundTrip.series.Series5sec.PointLabel(i));
  }
  EXPECT_EQ(direct.chart.Title().Text().Lines(), roundTrip.chart.Title().Text().Lines());
  EXPECT_EQ(roundTrip.series.Series5sec.PointCount(), 4);
}

}  // namespace
}  // namespace analysis
