// The names of the chart's PNG, SVG and PDF files and of the PDF report: the GIF's and the text
// report's patterns with the other extension. UTF-8 for the file system, from the CP1251 code.
#pragma once

#include <string>
#include <string_view>

namespace app {

// "<code> <subtest>.Stroop.<extension>", e.g. extension "png" gives "0507 2.Stroop.png".
std::string ChartOutputFileName(std::string_view subjectCodeCp1251, int subtest,
                                std::string_view extension);

// "<code> Stroop.pdf"
std::string ReportPdfFileName(std::string_view subjectCodeCp1251);

}  // namespace app
