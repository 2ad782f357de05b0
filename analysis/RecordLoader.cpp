// Reads a record from fixed lines and columns into a fresh RecordData, then writes its report.
#include "analysis/RecordLoader.h"

#include "analysis/AnalysisReport.h"
#include "runtime/Copy.h"
#include "runtime/Errors.h"
#include "runtime/NumberParse.h"

namespace analysis {
namespace {

using runtime::Copy;

// Record lines of the fixed layout.
constexpr int kCodeLine = 2;
constexpr int kIdentificationLine = 1;
constexpr int kCountLine = 4;
constexpr int kTotalsLine = 7;
constexpr int kFirstSummaryLine = 13;  // subtest s on line 12 + s
constexpr int kFirstStimulusLine = 20;

runtime::EConvertError NotValid(std::string_view text, const char* what) {
  return runtime::EConvertError("'" + std::string(text) + "' is not a valid " + what);
}

// An error count must fit the unsigned 8-bit field; a larger or negative one is refused, not
// wrapped.
uint8_t ErrorCount(std::string_view field) {
  const int32_t count = runtime::StrToInt(field);
  if (count < 0 || count > 255) throw NotValid(field, "error count");
  return static_cast<uint8_t>(count);
}

// A colour code is the one character at `position`, and must name one of the three colours.
uint8_t ColourCode(std::string_view line, int position) {
  const std::string_view field = Copy(line, position, 1);
  const int32_t code = runtime::StrToInt(field);
  if (code < 0 || code > 2) throw NotValid(field, "colour code");
  return static_cast<uint8_t>(code);
}

// Fractional fields take "." or "," as the decimal separator: records made under either convention
// open on any machine.
double Fraction(std::string_view line, int position, int width) {
  return runtime::StrToFloatEitherSeparator(Copy(line, position, width));
}

void ReadHeader(const LineBuffer& lines, RecordData& record) {
  record.SubjectCode = lines.Line(kCodeLine);
  record.SubjectLine = lines.Line(kIdentificationLine);
  const std::string_view countText = lines.Line(kCountLine);
  record.StimulusCount = runtime::StrToInt(countText);
  if (record.StimulusCount < 0) throw NotValid(countText, "stimulus count");
  for (int s = 1; s <= kSubtestCount; ++s) {
    const std::string_view summary = lines.Line(kFirstSummaryLine - 1 + s);
    record.SubtestTime[s] = Fraction(lines.Line(kTotalsLine), 10 * (s - 1) + 18, 3);
    record.SubtestMean[s] = Fraction(summary, 1, 6);
    record.SubtestSD[s] = Fraction(summary, 7, 6);
    record.SubtestErrors[s] = ErrorCount(Copy(summary, 31, 4));
  }
}

TStimulusRow ReadStimulusRow(std::string_view line) {
  TStimulusRow row;
  row.Time[1] = Fraction(line, 14, 7);
  for (int k = 2; k <= kSubtestCount; ++k) row.Time[k] = Fraction(line, 10 * (k - 2) + 34, 7);
  row.Stimul1 = ColourCode(line, 6);
  row.Stimul2 = ColourCode(line, 26);
  row.Answer[1] = ColourCode(line, 13);
  for (int k = 2; k <= kSubtestCount; ++k) row.Answer[k] = ColourCode(line, 10 * (k - 2) + 33);
  return row;
}

void ReadStimuli(const LineBuffer& lines, RecordData& record) {
  // Rows are added as they are read: a count far beyond the lines present fails on the first
  // missing row without ever allocating for the count, and a file is read only as far as its rows.
  for (long long j = 0; j < record.StimulusCount; ++j) {
    record.Stimuli.push_back(ReadStimulusRow(lines.Line(kFirstStimulusLine + j)));
  }
}

}  // namespace

LoadedRecord LoadRecord(const LineBuffer& lines) {
  LoadedRecord loaded;
  ReadHeader(lines, loaded.Record);
  WriteAnalysisReport(lines, loaded.Record, loaded.Report);
  ReadStimuli(lines, loaded.Record);
  return loaded;
}

LoadedRecord LoadRecordFile(const std::filesystem::path& path) {
  return LoadRecord(LineBuffer::FromFile(path));
}

}  // namespace analysis
