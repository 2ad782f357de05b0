// Headless export: loads each record and writes its report into a folder.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/RecordLoader.h"

namespace app {

// The subject code (CP1251) with path separators and control characters replaced by "_", so a
// record can never name a file outside the export folder.
std::string FileSafeSubjectCode(std::string_view subjectCodeCp1251);

// "<code> Stroop.txt" in UTF-8 for the file-safe code.
std::string ExportReportFileName(std::string_view subjectCodeCp1251);

// Writes the report of one loaded record into `folder`; returns the file written.
std::filesystem::path ExportRecord(const analysis::LoadedRecord& loaded,
                                   const std::filesystem::path& folder);

// More output for a record once its report is written (the chart images, for instance); what it
// raises counts as that record's failure.
using ExportStep =
    std::function<void(const analysis::LoadedRecord& loaded, const std::filesystem::path& folder)>;

// Creates `folder` when missing, then loads and exports every record in turn, running `more` after
// each report. A record that fails prints "RECORD: message" (message in UTF-8) to `errors` and the
// others still go through. Returns 0 when every record was written, 1 otherwise.
int RunExport(const std::filesystem::path& folder,
              const std::vector<std::filesystem::path>& records, std::ostream& errors,
              const ExportStep& more = {});

}  // namespace app
