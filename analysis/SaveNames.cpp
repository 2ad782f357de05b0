// Result names and the ".gif" rule.
#include "analysis/SaveNames.h"

#include <filesystem>
#include <system_error>

#include "runtime/Cp1251.h"

namespace analysis {

namespace {

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

std::string WithGifExtension(std::string_view chosenName) {
  return WithExtension(chosenName, ".gif");
}

std::string WithExtension(std::string_view chosenName, std::string_view extension) {
  std::string name(chosenName);
  if (!name.ends_with(extension)) name += extension;
  return name;
}

bool NeedsReplaceQuestion(std::string_view chosenName, std::string_view finalName) {
  if (chosenName == finalName) return false;
  std::error_code error;
  return std::filesystem::exists(FromUtf8(finalName), error);
}

}  // namespace analysis
