// The self-check: summary rows that agree with the stimulus rows to their printed precision, and
// the words for those that do not.
#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/LineBuffer.h"
#include "group/SelfCheck.h"
#include "runtime/TextFile.h"
#include "tests/runtime/SeparatorGuard.h"
#include "tests/support/TestRecord.h"

namespace group {
namespace {

std::vector<std::string> FourStimulusLines() { return testsupport::AgreeingRecordLines(); }

std::string Check(const std::vector<std::string>& lines) {
  const analysis::LoadedRecord loaded = analysis::LoadRecord(analysis::LineBuffer(lines));
  return DescribeMismatches(CheckSummaries(loaded.Record, SummaryRowsOf(loaded)), ",");
}

TEST(SelfCheck, SummaryRowsComeFromRecordLines13To16) {
  const runtime::SeparatorGuard guard('.', ',');
  const std::vector<std::string> lines = FourStimulusLines();
  const SummaryRows rows = SummaryRowsOf(analysis::LoadRecord(analysis::LineBuffer(lines)));
  for (int s = 1; s <= 4; ++s) EXPECT_EQ(rows[s], lines[12 + s]);
}

TEST(SelfCheck, AgreeingMeanMismatchErrorMismatch) {
  const runtime::SeparatorGuard guard('.', ',');
  const std::string head = "Сводка субтеста ";
  const std::string tail = " не совпадает с данными стимулов: ";
  const struct {
    int line;
    const char* row;
    std::string words;
  } cases[] = {
      // clang-format off
      {13, "  0.80  0.26    32  0.50  1.10   1", ""},
      {13, "  0.80  0.22    32  0.50  1.10   1", ""},  // the population SD agrees as well
      {15, "  1.03  0.22    22  0.70  1.30   1", head + "3" + tail + "среднее 1,03 ≠ 1,00"},
      {16, "  1.10  0.26    23  0.80  1.40   3", head + "4" + tail + "ошибки 3 ≠ 1"},
      {13, "  0.80  0.24    32  0.50  1.10   1", head + "1" + tail + "SD 0,24 ≠ 0,22"},  // nearer
      {13, "  0.80  0.30    32  0.50  1.10   1", head + "1" + tail + "SD 0,30 ≠ 0,26"},
      {14, "  0.70  0.10     0  0.60  0.60   2",
           head + "2" + tail + "среднее 0,70 ≠ 0,60; SD 0,10 ≠ 0,00; ошибки 2 ≠ 0"},
      // clang-format on
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines = FourStimulusLines();
    lines[static_cast<size_t>(c.line)] = c.row;
    EXPECT_EQ(Check(lines), c.words) << c.row;
  }
  std::vector<std::string> two = FourStimulusLines();
  two[13] = "  0.80  0.24    32  0.50  1.10   1";
  two[15] = "  1.03  0.22    22  0.70  1.30   3";
  EXPECT_EQ(Check(two), head + "1" + tail + "SD 0,24 ≠ 0,22. " + head + "3" + tail +
                            "среднее 1,03 ≠ 1,00; ошибки 3 ≠ 1");
}

TEST(SelfCheck, ThePrintedPrecisionDecides) {
  // Subtest 1's mean is 0.8 (the others' times, means and SDs are 0); the field's digits after the
  // separator set the tolerance.
  analysis::RecordData record;
  analysis::TStimulusRow a, b;
  a.Time[1] = 0.5;
  b.Time[1] = 1.1;
  record.Stimuli = {a, b};
  record.StimulusCount = 2;
  const struct {
    double printed;
    const char* field;
    bool agrees;
  } cases[] = {
      // clang-format off
      {0.8,   "  0.80", true},
      {0.81,  "  0.81", false},
      {0.8,   "   0.8", true},
      {0.84,  "   0.8", true},   // one decimal: within 0.05
      {1,     "     1", true},   // no decimals: within 0.5
      {0.8,   "   .80", true},
      {0.805, " 0.805", false},  // three decimals: within 0.0005
      {0.8,   "8.0e-1", true},   // one decimal, exponent -1: two decimals
      {0.81,  "8.1e-1", false},
      {0.8,   "  0,80", true},   // any separator
      // clang-format on
  };
  for (const auto& c : cases) {
    record.SubtestMean[1] = c.printed;
    record.SubtestSD[1] = 0.3;  // population SD of 0.5 and 1.1
    SummaryRows rows;
    rows[1] = std::string(c.field) + "  0.30";
    for (int s = 2; s <= 4; ++s) rows[s] = "  0.00  0.00";
    EXPECT_EQ(CheckSummaries(record, rows).empty(), c.agrees) << c.field;
  }
}

TEST(SelfCheck, HalfAUnitAwayAgreesBothWays) {
  // 0.5 and 0.51 average 0.505: printed as 0.50 or 0.51 it agrees, as 0.49 it does not.
  analysis::RecordData record;
  analysis::TStimulusRow a, b;
  a.Time[1] = 0.5;
  b.Time[1] = 0.51;
  record.Stimuli = {a, b};
  record.StimulusCount = 2;
  SummaryRows rows;
  for (const auto& [printed, agrees] : {std::pair{0.50, true}, {0.51, true}, {0.49, false}}) {
    record.SubtestMean[1] = printed;
    record.SubtestSD[1] = 0.005;
    rows[1] = "  0.00 0.005";
    const std::vector<SummaryMismatch> found = CheckSummaries(record, rows);
    const bool meanAgrees = std::none_of(found.begin(), found.end(), [](const SummaryMismatch& m) {
      return m.subtest == 1 && m.figure == SummaryMismatch::Figure::Mean;
    });
    EXPECT_EQ(meanAgrees, agrees) << printed;
  }
}

TEST(SelfCheck, FewStimuli) {
  analysis::RecordData none;
  SummaryRows rows;
  none.SubtestMean[1] = 0.75;  // nothing to recompute a mean or SD from
  EXPECT_TRUE(CheckSummaries(none, rows).empty());
  none.SubtestErrors[2] = 2;
  EXPECT_EQ(DescribeMismatches(CheckSummaries(none, rows), "."),
            "Сводка субтеста 2 не совпадает с данными стимулов: ошибки 2 ≠ 0");

  analysis::RecordData one;  // one stimulus: only the population SD, 0, exists
  one.Stimuli.resize(1);
  one.StimulusCount = 1;
  for (int s = 1; s <= 4; ++s) rows[s] = "  0.00  0.00";
  EXPECT_TRUE(CheckSummaries(one, rows).empty());
}

}  // namespace
}  // namespace group
