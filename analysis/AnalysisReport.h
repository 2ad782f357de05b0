// The analysis report: header and summary lines copied from the record, the subtest list, and the
// three interference coefficients with their interpretation.
#pragma once

#include <string>
#include <vector>

#include "analysis/LineBuffer.h"
#include "analysis/RecordData.h"

namespace analysis {

// Appends the report lines (CP1251) to `report`: 31 lines, or 32 when T1/T2 is above or below 1.
// Uses record lines 0, 3 and 5..16 and record.SubjectLine and record.SubtestTime. When T2 is 0 the
// ratio raises runtime::EZeroDivide (or EInvalidOp for 0/0) with lines 1..29 already appended.
void WriteAnalysisReport(const LineBuffer& lines, const RecordData& record,
                         std::vector<std::string>& report);

// The report as a fresh list of lines.
std::vector<std::string> BuildAnalysisReport(const LineBuffer& lines, const RecordData& record);

}  // namespace analysis
