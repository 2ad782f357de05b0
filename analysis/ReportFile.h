// The report's text file: CP1251 lines, CR LF after every line.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace analysis {

// The file's bytes: every line followed by CR LF.
std::string ReportFileBytes(const std::vector<std::string>& lines);

// Writes the lines to `path` through a temporary file, so a failed save leaves any previous file
// intact. Raises runtime::EFCreateError "Cannot create file <path>".
void SaveReportFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace analysis
