// The result files' names: the report's and the chart's for a subject (the window's default names
// and the export's), and the chart's ".gif" rule. File names are UTF-8 (the file system's text);
// the subject code is CP1251 from the record.
#pragma once

#include <string>
#include <string_view>

namespace analysis {

// "<code> Stroop.txt"
std::string ReportFileName(std::string_view subjectCodeCp1251);

// "<code> <subtest>.Stroop.gif"
std::string ChartFileName(std::string_view subjectCodeCp1251, int subtest);

// The chart is always saved as GIF: a name whose last four characters are not exactly ".gif" (lower
// case) gets ".gif" appended, so "result.GIF" becomes "result.GIF.gif".
std::string WithGifExtension(std::string_view chosenName);

// The same rule for another extension, e.g. ".png".
std::string WithExtension(std::string_view chosenName, std::string_view extension);

// The save dialog asked about replacing the name the user chose; when ".gif" was added, the file
// actually written may exist without the user having been asked.
bool NeedsReplaceQuestion(std::string_view chosenName, std::string_view finalName);

}  // namespace analysis
