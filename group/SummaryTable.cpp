// Header, record rows and failed rows of the group summary table.
#include "group/SummaryTable.h"

#include <charconv>
#include <optional>
#include <vector>

#include "group/SelfCheck.h"
#include "group/Statistics.h"
#include "runtime/Cp1251.h"

namespace group {
namespace {

constexpr std::string_view kRowEnd = "\r\n";
constexpr int kCellsBeforeSubtests = 12;
constexpr int kCellsPerSubtest = 7;
constexpr int kCellCount = kCellsBeforeSubtests + kCellsPerSubtest * analysis::kSubtestCount + 2;

std::string Row(const std::vector<std::string>& cells, char separator) {
  std::string row;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) row += separator;
    row += CsvCell(cells[i], separator);
  }
  row += kRowEnd;
  return row;
}

std::string Optional(const std::optional<double>& value, std::string_view decimal) {
  return value ? CsvNumber(*value, decimal) : std::string();
}

}  // namespace

CsvStyle LocaleCsvStyle(std::string decimalUtf8) { return CsvStyle{';', std::move(decimalUtf8)}; }

std::string CsvHeader(const CsvStyle& style) {
  std::vector<std::string> cells = {"file",
                                    "code",
                                    "subject_line",
                                    "stimuli",
                                    "T1",
                                    "T2",
                                    "T3",
                                    "T4",
                                    "interference_T4_T1",
                                    "interference_T3_T2",
                                    "ratio_T1_T2",
                                    "golden_IG"};
  for (int s = 1; s <= analysis::kSubtestCount; ++s) {
    for (const char* figure : {"mean_", "sd_", "errors_", "rt_median_", "rt_mean_correct_",
                               "errors_counted_", "outliers_mad_"})
      cells.push_back(figure + std::to_string(s));
  }
  cells.push_back("self_check");
  cells.push_back("error");
  return Row(cells, style.separator);
}

std::string CsvRecordRow(std::string_view file, const analysis::LoadedRecord& loaded,
                         std::string_view error, const CsvStyle& style) {
  const analysis::RecordData& r = loaded.Record;
  const std::string_view d = style.decimal;
  std::vector<std::string> cells = {std::string(file), runtime::Cp1251ToUtf8(r.SubjectCode),
                                    runtime::Cp1251ToUtf8(r.SubjectLine),
                                    std::to_string(r.StimulusCount)};
  for (int s = 1; s <= analysis::kSubtestCount; ++s)
    cells.push_back(CsvNumber(r.SubtestTime[s], d));
  cells.push_back(CsvNumber(r.SubtestTime[4] - r.SubtestTime[1], d));
  cells.push_back(CsvNumber(r.SubtestTime[3] - r.SubtestTime[2], d));
  cells.push_back(r.SubtestTime[2] != 0 ? CsvNumber(r.SubtestTime[1] / r.SubtestTime[2], d) : "");
  cells.push_back(Optional(GoldenInterference(r), d));
  for (int s = 1; s <= analysis::kSubtestCount; ++s) {
    const SubtestFigures figures = FiguresOf(r, s);
    cells.push_back(CsvNumber(r.SubtestMean[s], d));
    cells.push_back(CsvNumber(r.SubtestSD[s], d));
    cells.push_back(std::to_string(r.SubtestErrors[s]));
    cells.push_back(Optional(figures.median, d));
    cells.push_back(Optional(figures.meanCorrect, d));
    cells.push_back(std::to_string(figures.errorsCounted));
    cells.push_back(figures.outliers ? std::to_string(*figures.outliers) : "");
  }
  cells.push_back(DescribeMismatches(CheckSummaries(r, SummaryRowsOf(loaded)), d));
  cells.push_back(std::string(error));
  return Row(cells, style.separator);
}

std::string CsvFailedRow(std::string_view file, std::string_view error, const CsvStyle& style) {
  std::vector<std::string> cells(kCellCount);
  cells.front() = file;
  cells.back() = error;
  return Row(cells, style.separator);
}

std::string CsvNumber(double value, std::string_view decimal) {
  char buffer[400];  // a double's 309 whole digits, a sign and 6 decimals
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  if (error != std::errc()) return {};
  std::string text(buffer, end);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") return "0";
  if (const size_t point = text.find('.'); point != std::string::npos)
    text.replace(point, 1, decimal);
  return text;
}

std::string CsvCell(std::string_view text, char separator) {
  if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos)
    return std::string(text);
  std::string cell = "\"";
  for (char c : text) {
    if (c == '"') cell += '"';
    cell += c;
  }
  return cell + '"';
}

}  // namespace group
