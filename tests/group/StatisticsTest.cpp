// Median, MAD outliers, per-subtest figures and Golden's interference score, against figures worked
// out by hand.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "group/Statistics.h"

namespace group {
namespace {

TEST(Median, OddEvenTiesAndExtremes) {
  const struct {
    std::vector<double> values;
    std::optional<double> median;
  } cases[] = {
      // clang-format off
      {{},                         std::nullopt},
      {{3},                        3},
      {{1, 3, 2},                  2},     // odd: the middle one, in any order
      {{4, 1, 3, 2},               2.5},   // even: the mean of 2 and 3
      {{1, 2, 2, 9},               2},     // a tie across the middle
      {{7, 7, 7},                  7},
      {{-1, 1},                    0},
      {{1.5e308, 1.7e308},         1.6e308},  // no overflow adding the middle two
      // clang-format on
  };
  for (const auto& c : cases) {
    const std::optional<double> median = Median(c.values);
    ASSERT_EQ(median.has_value(), c.median.has_value());
    if (median) {
      EXPECT_DOUBLE_EQ(*median, *c.median);
    }
  }
}

TEST(MadOutliers, BeyondTwoAndAHalfScaledMads) {
  const struct {
    std::vector<double> values;
    std::optional<int> outliers;
  } cases[] = {
      // clang-format off
      {{},                          std::nullopt},
      {{1, 2, 3, 4, 100},           1},  // median 3, MAD 1.4826 · 1: 100 lies beyond 3 + 3.7065
      {{1, 2, 3, 4, 5, 30},         1},  // median 3.5, deviations' median 1.5: reach 5.55975
      {{-1, 1, 2, 3, 5.7},          0},  // median 2, MAD 1.4826: 5.7 < 5.7065 and -1 > -1.7065
      {{-1.8, 1, 2, 3, 5.72},       2},  // just beyond on both sides
      {{1, 1, 1, 5},                0},  // MAD 0: nothing is judged
      {{2, 2, 2, 3, 3},             0},  // ties at the median: MAD 0
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(MadOutliers(c.values), c.outliers) << c.values.size();
}

// Four stimuli: subtest 1 answered wrongly on row 4, subtest 3 on row 3, subtest 4 on row 4.
analysis::RecordData FourStimuli() {
  analysis::RecordData r;
  auto row = [](int stimul1, int stimul2, const int(&answers)[4], const double(&times)[4]) {
    analysis::TStimulusRow s;
    s.Stimul1 = static_cast<uint8_t>(stimul1);
    s.Stimul2 = static_cast<uint8_t>(stimul2);
    for (int k = 1; k <= 4; ++k) {
      s.Answer[k] = static_cast<uint8_t>(answers[k - 1]);
      s.Time[k] = times[k - 1];
    }
    return s;
  };
  r.Stimuli = {
      row(0, 1, {0, 1, 1, 0}, {0.5, 0.6, 0.7, 0.8}), row(1, 2, {1, 2, 2, 1}, {0.7, 0.6, 0.9, 1.0}),
      row(2, 0, {2, 0, 1, 2}, {0.9, 0.6, 1.1, 1.2}), row(0, 1, {1, 1, 1, 2}, {1.1, 0.6, 1.3, 1.4})};
  r.StimulusCount = 4;
  return r;
}

TEST(FiguresOf, PerSubtestFromTheStimulusRows) {
  const analysis::RecordData record = FourStimuli();
  const struct {
    int subtest;
    double median, meanCorrect;
    int errors;
  } cases[] = {
      // clang-format off
      {1, 0.8, 0.7,       1},  // correct: 0.5, 0.7, 0.9
      {2, 0.6, 0.6,       0},
      {3, 1.0, 2.9 / 3,   1},  // correct: 0.7, 0.9, 1.3
      {4, 1.1, 1.0,       1},  // correct: 0.8, 1.0, 1.2
      // clang-format on
  };
  for (const auto& c : cases) {
    const SubtestFigures figures = FiguresOf(record, c.subtest);
    EXPECT_DOUBLE_EQ(figures.median.value(), c.median) << c.subtest;
    EXPECT_DOUBLE_EQ(figures.meanCorrect.value(), c.meanCorrect) << c.subtest;
    EXPECT_EQ(figures.errorsCounted, c.errors) << c.subtest;
    EXPECT_EQ(figures.outliers, 0) << c.subtest;
  }
}

TEST(FiguresOf, NoCorrectAnswerAndNoStimuli) {
  analysis::RecordData record = FourStimuli();
  for (analysis::TStimulusRow& row : record.Stimuli)
    row.Answer[2] = static_cast<uint8_t>((row.Stimul2 + 1) % 3);
  const SubtestFigures allWrong = FiguresOf(record, 2);
  EXPECT_FALSE(allWrong.meanCorrect.has_value());
  EXPECT_EQ(allWrong.errorsCounted, 4);

  const SubtestFigures none = FiguresOf(analysis::RecordData{}, 1);
  EXPECT_FALSE(none.median || none.meanCorrect || none.outliers);
  EXPECT_EQ(none.errorsCounted, 0);
}

TEST(GoldenInterference, FromTheTotals) {
  analysis::RecordData record;
  const double totals[] = {105, 92, 107, 117};
  for (int s = 1; s <= 4; ++s) record.SubtestTime[s] = totals[s - 1];
  // n = 140: W = 6300/92, C = 6300/105, CW = 6300/117. W·C/(W + C) = 6300/(92 + 105) = 6300/197,
  // so IG = 6300/117 − 6300/197 = 6300 · 80 / (117 · 197) = 504000/23049 = 21.866458414681...
  record.StimulusCount = 140;
  EXPECT_NEAR(GoldenInterference(record).value(), 21.866458414681, 1e-11);
  // n = 4: 180 · 80 / 23049 = 14400/23049 = 0.624755954705...
  record.StimulusCount = 4;
  EXPECT_NEAR(GoldenInterference(record).value(), 0.624755954705, 1e-11);

  record.StimulusCount = 0;  // W + C = 0
  EXPECT_FALSE(GoldenInterference(record).has_value());
  record.StimulusCount = 140;
  for (int zero : {1, 2, 4}) {
    analysis::RecordData withZero = record;
    withZero.SubtestTime[zero] = 0;
    EXPECT_FALSE(GoldenInterference(withZero).has_value()) << zero;
  }
  record.SubtestTime[3] = 0;  // T3 is not used
  EXPECT_TRUE(GoldenInterference(record).has_value());
}

}  // namespace
}  // namespace group
