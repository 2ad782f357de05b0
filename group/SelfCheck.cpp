// Recomputes each subtest's summary from the stimulus rows and words the disagreements.
#include "group/SelfCheck.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "runtime/Copy.h"
#include "stroopchart/PlotSubtest.h"

namespace group {
namespace {

constexpr int kFirstSummaryReportLine = 18;  // 0-based index of record line 13 in the report
constexpr double kSlack = 1e-9;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The printed value's resolution: digits after the decimal separator (whatever character follows
// the whole digits), less a written exponent. "  0.82" gives 2, "  12" 0, "  .5" 1, "8.2e-1" 2.
int PrintedDecimals(std::string_view field) {
  size_t i = field.find_first_not_of(' ');
  if (i == std::string_view::npos) return 0;
  if (field[i] == '+' || field[i] == '-') ++i;
  while (i < field.size() && IsDigit(field[i])) ++i;
  int decimals = 0;
  if (i < field.size() && field[i] != 'e' && field[i] != 'E' && field[i] != ' ') {
    for (++i; i < field.size() && IsDigit(field[i]); ++i) ++decimals;
  }
  if (i < field.size() && (field[i] == 'e' || field[i] == 'E')) {
    const char* first = field.data() + i + 1;
    const char* last = field.data() + field.size();
    if (first < last && *first == '+') ++first;
    int exponent = 0;
    std::from_chars(first, last, exponent);
    decimals -= exponent;
  }
  return decimals;
}

bool Agrees(double printed, double recomputed, int decimals) {
  return std::fabs(recomputed - printed) <= 0.5 * std::pow(10.0, -decimals) + kSlack;
}

struct Moments {
  double mean;
  double populationSd;
  std::optional<double> sampleSd;
};

// Extended precision keeps sums of times near the largest double finite.
Moments MomentsOf(const analysis::RecordData& record, int subtest) {
  long double sum = 0;
  for (const analysis::TStimulusRow& row : record.Stimuli) sum += row.Time[subtest];
  const long double n = static_cast<long double>(record.Stimuli.size());
  const long double mean = sum / n;
  long double squares = 0;
  for (const analysis::TStimulusRow& row : record.Stimuli) {
    const long double d = row.Time[subtest] - mean;
    squares += d * d;
  }
  Moments m{static_cast<double>(mean), static_cast<double>(std::sqrt(squares / n)), std::nullopt};
  if (record.Stimuli.size() > 1) m.sampleSd = static_cast<double>(std::sqrt(squares / (n - 1)));
  return m;
}

std::string Fixed(double value, int decimals, std::string_view separator) {
  char buffer[400];  // a double's 309 whole digits and the decimals shown
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::fixed, std::clamp(decimals, 0, 20));
  std::string text(buffer, error == std::errc() ? end : buffer);
  if (const size_t point = text.find('.'); point != std::string::npos)
    text.replace(point, 1, separator);
  return text;
}

const char* FigureName(SummaryMismatch::Figure figure) {
  switch (figure) {
    case SummaryMismatch::Figure::Mean: return "среднее";
    case SummaryMismatch::Figure::SD: return "SD";
    case SummaryMismatch::Figure::Errors: return "ошибки";
  }
  return "";
}

}  // namespace

SummaryRows SummaryRowsOf(const analysis::LoadedRecord& loaded) {
  SummaryRows rows;
  for (int s = 1; s <= analysis::kSubtestCount; ++s) {
    const size_t line = static_cast<size_t>(kFirstSummaryReportLine + s - 1);
    if (line < loaded.Report.size()) rows[s] = loaded.Report[line];
  }
  return rows;
}

std::vector<SummaryMismatch> CheckSummaries(const analysis::RecordData& record,
                                            const SummaryRows& rows) {
  using Figure = SummaryMismatch::Figure;
  std::vector<SummaryMismatch> mismatches;
  for (int s = 1; s <= analysis::kSubtestCount; ++s) {
    if (!record.Stimuli.empty()) {
      const Moments m = MomentsOf(record, s);
      const int meanDecimals = PrintedDecimals(runtime::Copy(rows[s], 1, 6));
      if (!Agrees(record.SubtestMean[s], m.mean, meanDecimals))
        mismatches.push_back({s, Figure::Mean, record.SubtestMean[s], m.mean, meanDecimals});
      const double printedSd = record.SubtestSD[s];
      const int sdDecimals = PrintedDecimals(runtime::Copy(rows[s], 7, 6));
      const bool sampleAgrees = m.sampleSd && Agrees(printedSd, *m.sampleSd, sdDecimals);
      if (!Agrees(printedSd, m.populationSd, sdDecimals) && !sampleAgrees) {
        const bool sampleNearer = m.sampleSd && std::fabs(*m.sampleSd - printedSd) <
                                                    std::fabs(m.populationSd - printedSd);
        mismatches.push_back(
            {s, Figure::SD, printedSd, sampleNearer ? *m.sampleSd : m.populationSd, sdDecimals});
      }
    }
    int wrong = 0;
    for (const analysis::TStimulusRow& row : record.Stimuli)
      if (!stroopchart::AnswerCorrect(row, s)) ++wrong;
    if (wrong != record.SubtestErrors[s])
      mismatches.push_back({s, Figure::Errors, static_cast<double>(record.SubtestErrors[s]),
                            static_cast<double>(wrong), 0});
  }
  return mismatches;
}

std::string DescribeMismatches(const std::vector<SummaryMismatch>& mismatches,
                               std::string_view decimalSeparator) {
  std::string text;
  int subtest = 0;
  for (const SummaryMismatch& m : mismatches) {
    if (m.subtest != subtest) {
      if (!text.empty()) text += ". ";
      text += "Сводка субтеста " + std::to_string(m.subtest) + " не совпадает с данными стимулов: ";
      subtest = m.subtest;
    } else {
      text += "; ";
    }
    text += std::string(FigureName(m.figure)) + ' ' +
            Fixed(m.printed, m.decimals, decimalSeparator) + " ≠ " +
            Fixed(m.recomputed, m.decimals, decimalSeparator);
  }
  return text;
}

}  // namespace group
