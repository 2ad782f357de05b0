// The plot routine and the chart of a record: point labels and colours per subtest, the two title
// lines, the four series' points and the foot.
#include <gtest/gtest.h>

#include "runtime/Cp1251.h"
#include "runtime/FormatSettings.h"
#include "stroopchart/PlotSubtest.h"
#include "stroopchart/StroopChart.h"
#include "tests/stroopchart/SubtestRecord.h"

namespace stroopchart {
namespace {

using analysis::RecordData;
using analysis::TStimulusRow;

using test::U;

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

TEST(PlotSubtest, FillsTheFourSeriesForTheGivenSubtest) {
  StroopChart p;
  const RecordData r = Record(3);
  PlotSubtest(p.Chart(), p.Series(), r, 3);

  const TMainChartSeries& series = p.Series();
  ASSERT_EQ(series.Series5sec.PointCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(series.Series5sec.PointX(i), i + 1);
    EXPECT_EQ(series.Series5sec.PointY(i), 2.5 + i);
    EXPECT_EQ(series.Series5sec.PointLabel(i), StimulusLabel(r.Stimuli[static_cast<size_t>(i)], 3));
    EXPECT_EQ(series.Series5secAv.PointY(i), 0.76);
    EXPECT_DOUBLE_EQ(series.Series5sec2Dp.PointY(i), 1.26);
    EXPECT_DOUBLE_EQ(series.Series5sec2Dm.PointY(i), 0.26);
    EXPECT_EQ(series.Series5secAv.PointLabel(i), "");
    EXPECT_EQ(series.Series5secAv.PointColor(i), chart::clBlue);  // not set: the series colour
    EXPECT_EQ(series.Series5sec2Dm.PointColor(i), kMainChartBandColor);
  }
  EXPECT_EQ(p.Chart().Title().Text().Lines(),
            (std::vector<std::string>{PlotTitleLine1(3), PlotTitleLine2(r, 3)}));
  EXPECT_EQ(p.Chart().BottomAxis().Title().Caption(), U("Номер стимула"));
  EXPECT_EQ(p.Chart().Foot().Text().Lines(), std::vector<std::string>{""});  // the plot leaves it
}

TEST(PlotSubtest, NoStimuliLeavesEverySeriesEmptyButWritesTheTitle) {
  StroopChart p;
  PlotSubtest(p.Chart(), p.Series(), Record(5), 1);
  PlotSubtest(p.Chart(), p.Series(), Record(0), 1);
  for (int i = 0; i < p.Chart().CountSeries(); ++i)
    EXPECT_EQ(p.Chart().SeriesAt(i)->PointCount(), 0);
  EXPECT_EQ(p.Chart().Title().Text().Count(), 2);
}

TEST(StroopChart, ShowsTheSubtestWithTheIdentificationLineInTheFoot) {
  StroopChart p;
  RecordData r = Record(4);
  p.Chart().BottomAxis().Title().SetCaption("readout");
  p.ShowSubtest(r, 4);
  EXPECT_EQ(p.Chart().Foot().Text().Lines(), std::vector<std::string>{r.SubjectLine});
  EXPECT_EQ(p.Chart().Title().Text().Strings(1), PlotTitleLine2(r, 4));
  EXPECT_EQ(p.Series().Series5sec.PointY(3), 6.5);
  EXPECT_EQ(p.Chart().BottomAxis().Title().Caption(), "readout");  // the mouse readout's to change

  r.SubjectLine = U("Код: 0911");
  p.ShowSubtest(r, 2);
  EXPECT_EQ(p.Chart().Foot().Text().Lines(), std::vector<std::string>{r.SubjectLine});
}

TEST(StroopChart, AnotherSubtestAndBackGivesTheSamePoints) {
  StroopChart direct, roundTrip;
  const RecordData r = Record(4);
  direct.ShowSubtest(r, 1);
  roundTrip.ShowSubtest(r, 2);
  roundTrip.ShowSubtest(r, 1);
  const chart::TLineSeries& a = direct.Series().Series5sec;
  const chart::TLineSeries& b = roundTrip.Series().Series5sec;
  ASSERT_EQ(b.PointCount(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(a.PointY(i), b.PointY(i));
    EXPECT_EQ(a.PointColor(i), b.PointColor(i));
    EXPECT_EQ(a.PointLabel(i), b.PointLabel(i));
  }
  EXPECT_EQ(direct.Chart().Title().Text().Lines(), roundTrip.Chart().Title().Text().Lines());
}

}  // namespace
}  // namespace stroopchart
