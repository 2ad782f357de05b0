// File-safe codes, output names and their claims within a run.
#include "app/ExportNames.h"

#include "analysis/SaveNames.h"
#include "runtime/Cp1251.h"

namespace app {
namespace {

// " 4.Stroop.gif" (and " 4.Stroop.png") is the longest ending an output name gets.
constexpr size_t kLongestEnding = 13;

// The longest prefix of `cp1251` whose UTF-8 form has at most `budget` bytes.
std::string CutToUtf8Bytes(std::string_view cp1251, size_t budget) {
  size_t used = 0;
  size_t kept = 0;
  for (; kept < cp1251.size(); ++kept) {
    const char16_t c = runtime::Cp1251ToUnicode(static_cast<unsigned char>(cp1251[kept]));
    const size_t bytes = c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
    if (used + bytes > budget) break;
    used += bytes;
  }
  return std::string(cp1251.substr(0, kept));
}

// The name with its three-letter extension replaced, so each pattern has one owner.
std::string WithExtension(std::string name, std::string_view extension) {
  name.resize(name.size() - 3);
  return name.append(extension);
}

}  // namespace

std::string FileSafeSubjectCode(std::string_view subjectCodeCp1251) {
  std::string code(subjectCodeCp1251);
  for (char& c : code) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F || byte == 0x98) c = '_';
  }
  return code;
}

std::string ExportReportFileName(std::string_view subjectCodeCp1251, std::string_view extension) {
  return WithExtension(analysis::ReportFileName(FileSafeSubjectCode(subjectCodeCp1251)), extension);
}

std::string ExportChartFileName(std::string_view subjectCodeCp1251, int subtest,
                                std::string_view extension) {
  return WithExtension(analysis::ChartFileName(FileSafeSubjectCode(subjectCodeCp1251), subtest),
                       extension);
}

OutputStem OutputNames::Claim(std::string_view subjectCodeCp1251) {
  const std::string safe = FileSafeSubjectCode(subjectCodeCp1251);
  const size_t budget = kMaxFileNameBytes - kLongestEnding;
  OutputStem result{CutToUtf8Bytes(safe, budget)};
  result.shortened = result.stem.size() < safe.size();
  if (taken_.insert(result.stem).second) return result;
  int& next = nextNumber_.try_emplace(safe, 2).first->second;
  result.numbered = true;
  do {
    const std::string number = " (" + std::to_string(next++) + ")";
    result.stem = CutToUtf8Bytes(safe, budget - number.size()) + number;
    result.shortened = result.stem.size() - number.size() < safe.size();
  } while (!taken_.insert(result.stem).second);
  return result;
}

}  // namespace app
