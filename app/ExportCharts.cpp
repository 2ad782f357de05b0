// Builds the main window's chart off-screen and saves it once per subtest.
#include "app/ExportCharts.h"

#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "analysis/SaveNames.h"
#include "app/ChartImage.h"
#include "app/QtStartup.h"
#include "app/RunExport.h"
#include "chart/qt/QImageCanvas.h"
#include "stroopchart/StroopChart.h"

namespace app {

std::string ExportChartFileName(std::string_view subjectCodeCp1251, int subtest) {
  return analysis::ChartFileName(FileSafeSubjectCode(subjectCodeCp1251), subtest);
}

void ExportCharts(const analysis::RecordData& record, const std::filesystem::path& folder) {
  stroopchart::StroopChart chart(std::make_unique<chart::QImageCanvas>());
  for (int s = 1; s <= analysis::SubtestCount; ++s) {
    chart.ShowSubtest(record, s);
    const std::string name = ExportChartFileName(record.SubjectCode, s);
    SaveChartGif(chart.Chart(),
                 folder / std::filesystem::path(std::u8string(name.begin(), name.end())));
  }
}

int RunExportWithCharts(int argc, char** argv, const std::filesystem::path& folder,
                        const std::vector<std::filesystem::path>& records) {
  // The charts are drawn into images only; the offscreen platform gives fonts without a display.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Standard error lists the records that failed; the toolkit's notices about the session it runs
  // in (no runtime folder for root, and the like) would only bury them. Its errors still come
  // through.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
  });
  QGuiApplication application(argc, argv);
  AfterQtStartup();
  return RunExport(folder, records, std::cerr,
                   [](const analysis::LoadedRecord& loaded, const std::filesystem::path& target) {
                     ExportCharts(loaded.Record, target);
                   });
}

}  // namespace app
