// Saving the report text as CR LF lines through an atomic replace.
#include "analysis/ReportFile.h"

#include "runtime/AtomicFile.h"
#include "runtime/TextFile.h"

namespace analysis {

std::string ReportFileBytes(const std::vector<std::string>& lines) {
  return runtime::JoinLinesCrLf(lines);
}

void SaveReportFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  runtime::SaveFileAtomically(path, ReportFileBytes(lines));
}

}  // namespace analysis
