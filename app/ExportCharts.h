// Headless charts: the chart of every subtest of a record, rendered off-screen at the design size
// as the GIF file "Chart" saves from a window showing that subtest, its larger PNGs and the PDF
// report; and the command-line run with them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "analysis/RecordData.h"
#include "app/CommandLine.h"
#include "app/RunExport.h"

namespace stroopchart {
class StroopChart;
}

namespace app {

// The main window's chart on an off-screen canvas of its own. Needs a Qt GUI application (any
// platform, the offscreen one included) for the fonts; one per thread.
class QtChartEncoder : public ChartEncoder {
 public:
  QtChartEncoder();
  ~QtChartEncoder() override;
  std::string Gif(const analysis::RecordData& record, int subtest) override;
  std::string Png(const analysis::RecordData& record, int subtest, int scale) override;
  std::string Pdf(const analysis::RecordData& record,
                  const std::vector<std::string>& reportLines) override;

 private:
  std::unique_ptr<stroopchart::StroopChart> chart_;
};

// The run of a command line in Export mode: starts Qt on the offscreen platform whatever the
// environment asks for (the charts need fonts, never a display) when charts are to be drawn, then
// RunExport. `argv` is main's, of which Qt sees the program's name only; `localeDecimal` is the
// locale's decimal separator (CP1251), which --csv-locale writes numbers with. Returns the exit
// status.
int RunExportCommand(char** argv, const CommandLine& line, char localeDecimal);

}  // namespace app
