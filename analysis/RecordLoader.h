// Loading a Stroop record: all fields, the analysis report and the stimulus rows, or an error.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/LineBuffer.h"
#include "analysis/RecordData.h"

namespace analysis {

// A complete load: the record data and the report written for it.
struct LoadedRecord {
  RecordData Record;
  std::vector<std::string> Report;  // CP1251 lines, see BuildAnalysisReport
};

// Takes the fields from fixed lines and columns in this order: code, identification line, stimulus
// count, then per subtest its total, mean, SD and errors; then writes the report; then reads the
// stimulus rows. The first field that fails raises its error (runtime::EConvertError, such as
// "'<text>' is not a valid integer value", or the report's runtime::EZeroDivide / EInvalidOp /
// EOverflow) and nothing is returned, so a failed load never leaves part of a record behind.
// Besides text that is no number, the loader refuses a negative stimulus count ("'<text>' is not a
// valid stimulus count"), an error count above 255 ("'<text>' is not a valid error count") and a
// colour code other than 0..2 ("'<text>' is not a valid colour code").
LoadedRecord LoadRecord(const LineBuffer& lines);

// Reads the file's lines as CP1251 text, only as far as the record needs them, then LoadRecord.
// Raises runtime::EFOpenError "Cannot open file <path>" when the file cannot be read, with the
// reason added when it is larger than a record may be.
LoadedRecord LoadRecordFile(const std::filesystem::path& path);

}  // namespace analysis
