// A record that holds only subtest 1, with every answer right, for the Stroop chart's tests.
#pragma once

#include <string>
#include <vector>

#include "analysis/RecordData.h"
#include "runtime/Cp1251.h"

namespace stroopchart::test {

// Russian text as the chart holds it, in code page 1251.
inline std::string U(const char* utf8) { return runtime::Cp1251FromUtf8(utf8); }

// Subtest 1 with one correct stimulus per time (green markers), and its mean and SD.
inline analysis::RecordData SubtestOf(const std::vector<double>& times, double mean, double sd) {
  analysis::RecordData r;
  r.StimulusCount = static_cast<int>(times.size());
  for (double time : times) {
    analysis::TStimulusRow row;
    row.Time[1] = time;
    r.Stimuli.push_back(row);
  }
  r.SubtestMean[1] = mean;
  r.SubtestSD[1] = sd;
  return r;
}

}  // namespace stroopchart::test
