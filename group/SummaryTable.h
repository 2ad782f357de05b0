// The group summary table: one CSV row per record (RFC 4180, UTF-8 with a byte-order mark, CR LF
// row ends), so statistics packages and spreadsheet programs read the Cyrillic text correctly.
#pragma once

#include <string>
#include <string_view>

#include "analysis/RecordLoader.h"

namespace group {

// How cells are separated and how numbers show their decimal separator (UTF-8).
struct CsvStyle {
  char separator = ',';
  std::string decimal = ".";
};

// The table a spreadsheet set to the user's locale opens directly: ";" between cells, so the
// locale's decimal separator (a comma in much of Europe) cannot split a number.
CsvStyle LocaleCsvStyle(std::string decimalUtf8);

// The byte-order mark that starts the file.
inline constexpr std::string_view kCsvByteOrderMark = "\xEF\xBB\xBF";

// The header row: file, code, subject_line, stimuli, T1..T4, the report's three coefficients,
// golden_IG, seven figures per subtest (mean_s, sd_s, errors_s, rt_median_s, rt_mean_correct_s,
// errors_counted_s, outliers_mad_s for s = 1..4), self_check and error.
std::string CsvHeader(const CsvStyle& style);

// The row of a loaded record. `file` is the path as given or found (bytes, written as they are),
// `error` what went wrong writing its outputs (empty when nothing did).
std::string CsvRecordRow(std::string_view file, const analysis::LoadedRecord& loaded,
                         std::string_view error, const CsvStyle& style);

// The row of a record that could not be loaded: the path, the message (UTF-8), every other cell
// empty.
std::string CsvFailedRow(std::string_view file, std::string_view error, const CsvStyle& style);

// A number with up to 6 decimals, trailing zeros dropped, no thousands separator: 1.141304, 12,
// -0.5.
std::string CsvNumber(double value, std::string_view decimal);

// The cell as written: in double quotes, with quotes doubled, when it holds the separator, a quote
// or a line break.
std::string CsvCell(std::string_view text, char separator);

}  // namespace group
