// Deterministic synthetic reaction times and answers for the main chart.
#include "tools/render-chart/SampleChartData.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "runtime/Cp1251.h"

namespace samples {

namespace {

// A fixed linear congruential generator, so every platform draws the same chart.
class Lcg {
 public:
  std::uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() % 1000000u) / 1000000.0; }

 private:
  std::uint32_t state_ = 20260507u;
};

struct Stimulus {
  int shown;
  int answer;
  double time;
};

std::vector<Stimulus> MakeStimuli(int count) {
  Lcg random;
  std::vector<Stimulus> stimuli;
  stimuli.reserve(static_cast<std::size_t>(count));
  for (int c = 0; c < count; ++c) {
    const int shown = static_cast<int>(random.Next() % 3);
    const bool wrong = random.Unit() < 0.07;
    const int answer = wrong ? (shown + 1 + static_cast<int>(random.Next() % 2)) % 3 : shown;
    // Most answers come in 0.55..1.25 s; now and then a slow one, wrong answers a little slower.
    double time = 0.55 + 0.7 * random.Unit();
    if (random.Unit() < 0.05) time += 0.8 * random.Unit();
    if (wrong) time += 0.25;
    stimuli.push_back({shown, answer, time});
  }
  return stimuli;
}

}  // namespace

analysis::RecordData SampleChartRecord(int count) {
  const std::vector<Stimulus> stimuli = MakeStimuli(count);
  analysis::RecordData record;
  record.SubjectCode = "0507";
  record.SubjectLine = runtime::Cp1251FromUtf8("0507 Образец О.О. 07.05.2026 10:15:00");
  record.StimulusCount = count;
  double total = 0;
  int errors = 0;
  for (const Stimulus& s : stimuli) {
    analysis::TStimulusRow row;
    row.Stimul1 = static_cast<std::uint8_t>(s.shown);
    row.Answer[1] = static_cast<std::uint8_t>(s.answer);
    row.Time[1] = s.time;
    record.Stimuli.push_back(row);
    total += s.time;
    errors += s.answer != s.shown;
  }
  const double mean = count > 0 ? total / count : 0;
  double squares = 0;
  for (const Stimulus& s : stimuli) squares += (s.time - mean) * (s.time - mean);
  record.SubtestTime[1] = total;
  record.SubtestMean[1] = mean;
  record.SubtestSD[1] = count > 1 ? std::sqrt(squares / (count - 1)) : 0;
  record.SubtestErrors[1] = static_cast<std::uint8_t>(std::min(errors, 255));
  return record;
}

}  // namespace samples
