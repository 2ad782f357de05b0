// Headless charts: the chart of every subtest of a record, rendered off-screen at the design size
// and saved as "<code> <s>.Stroop.gif", byte for byte what "Chart" saves from a window showing that
// subtest.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/RecordData.h"

namespace app {

// "<code> <subtest>.Stroop.gif" in UTF-8 for the file-safe code, beside the exported report.
std::string ExportChartFileName(std::string_view subjectCodeCp1251, int subtest);

// Writes the four chart images of the record into `folder`. Needs a Qt GUI application (any
// platform, the offscreen one included) for the fonts.
void ExportCharts(const analysis::RecordData& record, const std::filesystem::path& folder);

// The command-line export with charts: starts Qt on the offscreen platform (no display needed) and
// writes each record's report and four chart images. Returns the export's exit status.
int RunExportWithCharts(int argc, char** argv, const std::filesystem::path& folder,
                        const std::vector<std::filesystem::path>& records);

}  // namespace app
