// The bundled sample records load, and their summary rows agree with their own stimulus rows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "analysis/RecordLoader.h"
#include "tests/runtime/SeparatorGuard.h"

namespace analysis {
namespace {

std::vector<std::filesystem::path> SampleRecords() {
  const char* source = std::getenv("STROOP_SOURCE_DIR");
  std::vector<std::filesystem::path> records;
  if (source == nullptr) return records;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(source) / "Data")) {
    if (entry.path().extension() == ".txt") records.push_back(entry.path());
  }
  return records;
}

TEST(SampleRecords, LoadAndAgreeWithTheirRows) {
  runtime::SeparatorGuard guard('.', ',');
  const auto records = SampleRecords();
  ASSERT_GE(records.size(), 3u) << "STROOP_SOURCE_DIR/Data";
  size_t paragraphs[3] = {0, 0, 0};  // reports of 31, 32 lines
  for (const auto& path : records) {
    const LoadedRecord loaded = LoadRecordFile(path);
    const RecordData& r = loaded.Record;
    EXPECT_EQ(r.StimulusCount, 140) << path;
    ASSERT_EQ(r.Stimuli.size(), 140u) << path;
    for (int s = 1; s <= 4; ++s) {
      double sum = 0;
      int wrong = 0;
      for (const TStimulusRow& row : r.Stimuli) {
        sum += row.Time[s];
        const int correct = s == 1 || s == 4 ? row.Stimul1 : row.Stimul2;
        if (row.Answer[s] != correct) ++wrong;
        EXPECT_GT(row.Time[s], 0.2) << path;
        EXPECT_LT(row.Time[s], 10) << path;
      }
      EXPECT_NEAR(r.SubtestMean[s], sum / 140, 0.0051) << path << " subtest " << s;
      EXPECT_EQ(r.SubtestErrors[s], wrong) << path << " subtest " << s;
      EXPECT_GE(r.SubtestTime[s], sum) << path << " subtest " << s;
      EXPECT_LE(r.SubtestTime[s], 999) << path;
    }
    const bool hasWrong =
        r.SubtestErrors[1] + r.SubtestErrors[2] + r.SubtestErrors[3] + r.SubtestErrors[4] > 0;
    EXPECT_TRUE(hasWrong) << path;
    ++paragraphs[loaded.Report.size() - 30];
  }
  // Between them the samples show both report forms.
  EXPECT_GE(paragraphs[1], 1u);
  EXPECT_GE(paragraphs[2], 1u);
}

}  // namespace
}  // namespace analysis
