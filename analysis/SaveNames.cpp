// Default result names, the ".gif" rule and the "Results" folder.
#include "analysis/SaveNames.h"

#include <filesystem>
#include <system_error>

#include "runtime/Cp1251.h"

namespace analysis {

namespace {

constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

std::filesystem::path FromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace

std::string ReportFileName(std::string_view subjectCodeCp1251) {
  return runtime::Cp1251ToUtf8(subjectCodeCp1251) + " Stroop.txt";
}

std::string ChartFileName(std::string_view subjectCodeCp1251, int subtest) {
  return runtime::Cp1251ToUtf8(subjectCodeCp1251) + ' ' + std::to_string(subtest) + ".Stroop.gif";
}

std::string ResultsFolder(std::string_view exeFolder) { return std::string(exeFolder) + "Results"; }

std::string DefaultReportFileName(std::string_view exeFolder, std::string_view subjectCodeCp1251) {
  return ResultsFolder(exeFolder) + kSeparator + ReportFileName(subjectCodeCp1251);
}

std::string DefaultChartFileName(std::string_view exeFolder, std::string_view subjectCodeCp1251,
                                 int subtest) {
  return ResultsFolder(exeFolder) + kSeparator + ChartFileName(subjectCodeCp1251, subtest);
}

std::string WithGifExtension(std::string_view chosenName) {
  std::string name(chosenName);
  if (!name.ends_with(".gif")) name += ".gif";
  return name;
}

bool NeedsReplaceQuestion(std::string_view chosenName, std::string_view finalName) {
  if (chosenName == finalName) return false;
  std::error_code error;
  return std::filesystem::exists(FromUtf8(finalName), error);
}

void EnsureResultsFolder(std::string_view exeFolder) {
  std::error_code error;
  std::filesystem::create_directories(FromUtf8(ResultsFolder(exeFolder)), error);
}

}  // namespace analysis
