// The PDF report for printing and archiving: A4 pages with the report text in the report view's
// monospaced font, then the four subtest charts as vector graphics on a page of their own. Every
// page has the subject's identification line and the date in its header and its number in the
// footer.
#pragma once

#include <QDate>
#include <string>
#include <vector>

#include "analysis/RecordData.h"

namespace app {

// The PDF file's bytes. `reportLines` are the report's CP1251 lines (the loaded report, or the
// view's text with the user's edits); a line too long for the page wraps at word boundaries.
// `date` is the date the header shows. Needs a Qt GUI application for the fonts.
std::string ReportPdf(const analysis::RecordData& record,
                      const std::vector<std::string>& reportLines, const QDate& date);

}  // namespace app
