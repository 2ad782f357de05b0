// The output tests' records.
#include "tests/outputs/OutputsTestRecords.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "runtime/Cp1251.h"

namespace test {

analysis::RecordData SpacedRecord() {
  analysis::RecordData record;
  record.SubjectCode = "0507";
  record.SubjectLine = runtime::Cp1251FromUtf8("Код: 0507  Имя: Петрова А.С.");
  record.StimulusCount = 12;
  for (int s = 1; s <= analysis::kSubtestCount; ++s) {
    record.SubtestTime[s] = 12;
    record.SubtestMean[s] = 1.0;
    record.SubtestSD[s] = 0.5;
    record.SubtestErrors[s] = 3;
  }
  for (int i = 0; i < record.StimulusCount; ++i) {
    analysis::TStimulusRow row;
    row.Stimul1 = row.Stimul2 = static_cast<uint8_t>(i % 3);
    for (int s = 1; s <= analysis::kSubtestCount; ++s) {
      row.Answer[s] = static_cast<uint8_t>(i % 4 == 3 ? (i + 1) % 3 : i % 3);
      row.Time[s] = i % 2 ? 1.4 : 0.6;
    }
    record.Stimuli.push_back(row);
  }
  return record;
}

analysis::LoadedRecord SampleRecord() {
  const char* source = std::getenv("STROOP_SOURCE_DIR");
  if (source == nullptr) throw std::runtime_error("STROOP_SOURCE_DIR is not set");
  return analysis::LoadRecordFile(std::filesystem::path(source) / "Data" / "0507.txt");
}

}  // namespace test
