// Writes the analysis report line by line, so a failing ratio leaves exactly the lines before it.
#include "analysis/AnalysisReport.h"

#include "analysis/ReportTexts.h"
#include "runtime/FloatMath.h"
#include "runtime/Format.h"

namespace analysis {

void WriteAnalysisReport(const LineBuffer& lines, const RecordData& record,
                         std::vector<std::string>& report) {
  const ReportTexts& texts = TheReportTexts();
  auto add = [&report](std::string_view line) { report.emplace_back(line); };

  add(lines.Line(0));
  add(record.SubjectLine);
  add("");
  add(lines.Line(3));
  add("");
  for (const std::string& item : texts.SubtestList) add(item);
  add("");
  for (int i = 5; i <= 16; ++i) add(lines.Line(i));
  add("");

  const PerSubtest<double>& t = record.SubtestTime;
  add(runtime::Format(texts.StroopEffectFormat, {t[4] - t[1]}));
  add(texts.StroopEffectMeaning);
  add("");
  add(runtime::Format(texts.ColourEffectFormat, {t[3] - t[2]}));
  add(texts.ColourEffectMeaning);
  add("");

  // The paragraph follows the unrounded ratio: 1.004 is shown as 1.00 yet still counts as above 1.
  const double ratio = runtime::FloatDivide(t[1], t[2]);
  add(runtime::Format(texts.IntegrationFormat, {ratio}));
  add(texts.IntegrationMeaning);
  if (ratio > 1) add(texts.VerbalDominance);
  if (ratio < 1) add(texts.ImageryDominance);
}

std::vector<std::string> BuildAnalysisReport(const LineBuffer& lines, const RecordData& record) {
  std::vector<std::string> report;
  WriteAnalysisReport(lines, record, report);
  return report;
}

}  // namespace analysis
