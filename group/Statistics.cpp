// Median, MAD outliers, per-subtest figures and Golden's interference score.
#include "group/Statistics.h"

#include <algorithm>
#include <cmath>

#include "stroopchart/PlotSubtest.h"

namespace group {
namespace {

constexpr double kMadToSd = 1.4826;
constexpr double kOutlierMads = 2.5;

std::vector<double> TimesOf(const analysis::RecordData& record, int subtest) {
  std::vector<double> times;
  times.reserve(record.Stimuli.size());
  for (const analysis::TStimulusRow& row : record.Stimuli) times.push_back(row.Time[subtest]);
  return times;
}

}  // namespace

std::optional<double> Median(std::vector<double> values) {
  if (values.empty()) return std::nullopt;
  const size_t middle = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle),
                   values.end());
  const double upper = values[middle];
  if (values.size() % 2 == 1) return upper;
  const double lower =
      *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
  // Halves first: the sum of two values near the largest double would overflow.
  return lower / 2 + upper / 2;
}

std::optional<int> MadOutliers(const std::vector<double>& values) {
  const std::optional<double> median = Median(values);
  if (!median) return std::nullopt;
  std::vector<double> deviations;
  deviations.reserve(values.size());
  for (double v : values) deviations.push_back(std::fabs(v - *median));
  const double mad = kMadToSd * *Median(std::move(deviations));
  if (mad == 0) return 0;
  const double reach = kOutlierMads * mad;
  return static_cast<int>(std::count_if(values.begin(), values.end(), [&](double v) {
    return v < *median - reach || v > *median + reach;
  }));
}

SubtestFigures FiguresOf(const analysis::RecordData& record, int subtest) {
  SubtestFigures figures;
  const std::vector<double> times = TimesOf(record, subtest);
  figures.median = Median(times);
  figures.outliers = MadOutliers(times);
  long double correctSum = 0;
  int correct = 0;
  for (const analysis::TStimulusRow& row : record.Stimuli) {
    if (stroopchart::AnswerCorrect(row, subtest)) {
      correctSum += row.Time[subtest];
      ++correct;
    } else {
      ++figures.errorsCounted;
    }
  }
  // Summed in extended precision, so times near the largest double cannot overflow the sum.
  if (correct > 0) figures.meanCorrect = static_cast<double>(correctSum / correct);
  return figures;
}

std::optional<double> GoldenInterference(const analysis::RecordData& record) {
  const double t1 = record.SubtestTime[1];
  const double t2 = record.SubtestTime[2];
  const double t4 = record.SubtestTime[4];
  if (t1 == 0 || t2 == 0 || t4 == 0) return std::nullopt;
  const double items = 45.0 * record.StimulusCount;
  const double words = items / t2;
  const double colours = items / t1;
  const double colourWords = items / t4;
  const double score = colourWords - words * colours / (words + colours);
  if (!std::isfinite(score)) return std::nullopt;
  return score;
}

}  // namespace group
