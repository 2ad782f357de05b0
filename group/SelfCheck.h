// The self-check of a record: each subtest's summary row (mean, SD, error count) recomputed from
// the stimulus rows and compared with what the record prints, to the printed precision.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/RecordData.h"
#include "analysis/RecordLoader.h"

namespace group {

// One printed summary figure the stimulus rows do not give.
struct SummaryMismatch {
  enum class Figure { Mean, SD, Errors };
  int subtest = 1;
  Figure figure = Figure::Mean;
  double printed = 0;     // the record's value
  double recomputed = 0;  // from the stimulus rows (for the SD, the definition nearer the print)
  int decimals = 0;       // digits the record prints after the decimal separator
};

// The summary rows as the record prints them (CP1251 lines 13..16), subtest 1 first.
using SummaryRows = analysis::PerSubtest<std::string>;

// The summary rows of a loaded record: its report copies record lines 13..16 unchanged as its lines
// 19..22.
SummaryRows SummaryRowsOf(const analysis::LoadedRecord& loaded);

// A printed figure agrees when the recomputed value lies within half a unit of the last printed
// digit (plus 1e-9 for the binary representation) of the printed value. The mean is over all
// stimuli, the error count uses the chart's correctness rule, and the SD may be either the
// population (n) or the sample (n − 1) one, as both are in use. Without stimuli the mean and SD are
// not checked.
std::vector<SummaryMismatch> CheckSummaries(const analysis::RecordData& record,
                                            const SummaryRows& rows);

// The mismatches as the user reads them (UTF-8), with `decimalSeparator` in the numbers, e.g.
// "Сводка субтеста 3 не совпадает с данными стимулов: среднее 0,82 ≠ 0,79"; several figures of one
// subtest are joined by "; ", several subtests by ". ". Empty when there is none.
std::string DescribeMismatches(const std::vector<SummaryMismatch>& mismatches,
                               std::string_view decimalSeparator);

}  // namespace group
