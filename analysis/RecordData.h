// The record data one Stroop record fills in: subject, per-subtest summaries and stimulus rows.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string>
#include <vector>

namespace analysis {

inline constexpr int kSubtestCount = 4;

// Four values indexed by subtest number 1..4.
template <typename T>
class PerSubtest {
 public:
  T& operator[](int subtest) {
    assert(subtest >= 1 && subtest <= kSubtestCount);
    return values_[static_cast<size_t>(subtest - 1)];
  }
  const T& operator[](int subtest) const {
    assert(subtest >= 1 && subtest <= kSubtestCount);
    return values_[static_cast<size_t>(subtest - 1)];
  }
  bool operator==(const PerSubtest&) const = default;

 private:
  std::array<T, kSubtestCount> values_{};
};

// One stimulus as shown in all four subtests. Codes are colour codes 0..2 (an index into
// ColourNames); the loader refuses any other value, so they can index the names table directly.
struct TStimulusRow {
  PerSubtest<uint8_t> Answer;  // the colour named in each subtest
  uint8_t Stimul1 = 0;         // the colour shown (rectangle, ink)
  uint8_t Stimul2 = 0;         // the colour word
  PerSubtest<double> Time;     // reaction time in each subtest, seconds
  bool operator==(const TStimulusRow&) const = default;
};

// Everything a successful load replaces. Text is CP1251 bytes.
struct RecordData {
  std::string SubjectCode;            // record line 2
  std::string SubjectLine;            // record line 1, the identification line
  int32_t StimulusCount = 0;          // record line 4; always Stimuli.size()
  PerSubtest<double> SubtestTime;     // total seconds, record line 7
  PerSubtest<double> SubtestMean;     // record lines 13..16
  PerSubtest<double> SubtestSD;       // record lines 13..16
  PerSubtest<uint8_t> SubtestErrors;  // record lines 13..16
  std::vector<TStimulusRow> Stimuli;  // record lines 20..
  bool operator==(const RecordData&) const = default;
};

}  // namespace analysis
