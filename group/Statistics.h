// Figures of a record for the group table: per subtest the median reaction time, the mean over
// correct answers, the wrong answers counted from the stimulus rows and the outliers by the median
// absolute deviation; for the whole record Golden's interference score from the totals.
#pragma once

#include <optional>
#include <vector>

#include "analysis/RecordData.h"

namespace group {

// The middle value, or the mean of the two middle values of an even count; nothing for no values.
std::optional<double> Median(std::vector<double> values);

// How many values lie outside median ± 2.5 × MAD, where MAD is 1.4826 times the median of the
// absolute deviations from the median (the factor makes it estimate the SD of normal data). A MAD
// of 0 marks nothing: most values are equal and no spread can be judged. Nothing for no values.
std::optional<int> MadOutliers(const std::vector<double>& values);

struct SubtestFigures {
  std::optional<double> median;       // of all reaction times
  std::optional<double> meanCorrect;  // over correctly answered stimuli only
  int errorsCounted = 0;              // wrong answers by the chart's rule
  std::optional<int> outliers;        // MadOutliers of all reaction times
};

SubtestFigures FiguresOf(const analysis::RecordData& record, int subtest);

// Golden's interference score as items per 45 s: with n stimuli, W = 45n/T2 (words), C = 45n/T1
// (colours), CW = 45n/T4 (colour-words), IG = CW − W·C/(W + C). Nothing when a total it uses is 0
// or the score has no finite value (no stimuli).
std::optional<double> GoldenInterference(const analysis::RecordData& record);

}  // namespace group
