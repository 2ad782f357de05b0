// Builds the main window's chart off-screen and encodes it once per subtest; starts the run.
#include "app/ExportCharts.h"

#include <sched.h>
#include <unistd.h>

#include <QDate>
#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <thread>

#include "app/ChartImage.h"
#include "app/ChartOutputs.h"
#include "app/PdfReport.h"
#include "app/QtStartup.h"
#include "chart/qt/QImageCanvas.h"
#include "gif/GIFAnimator.h"
#include "runtime/Cp1251.h"
#include "stroopchart/StroopChart.h"

namespace app {
namespace {

int ProcessorCores() {
  cpu_set_t usable;
  if (::sched_getaffinity(0, sizeof usable, &usable) == 0) return CPU_COUNT(&usable);
  const unsigned cores = std::thread::hardware_concurrency();
  return cores > 0 ? static_cast<int>(cores) : 1;
}

}  // namespace

QtChartEncoder::QtChartEncoder()
    : chart_(std::make_unique<stroopchart::StroopChart>(std::make_unique<chart::QImageCanvas>())) {}

QtChartEncoder::~QtChartEncoder() = default;

std::string QtChartEncoder::Gif(const analysis::RecordData& record, int subtest) {
  chart_->ShowSubtest(record, subtest);
  const gif::TBitmap bitmap = BitmapFromImage(RenderChartImage(chart_->Chart()));
  gif::TGIFAnimator holder;
  holder.Image().Assign(&bitmap);
  std::string bytes;
  holder.Image().SaveToStream(bytes);
  return bytes;
}

std::string QtChartEncoder::Png(const analysis::RecordData& record, int subtest, int scale) {
  return ChartPng(record, subtest, scale);
}

std::string QtChartEncoder::Pdf(const analysis::RecordData& record,
                                const std::vector<std::string>& reportLines) {
  return ReportPdf(record, reportLines, QDate::currentDate());
}

int RunExportCommand(char** argv, const CommandLine& line, char localeDecimal) {
  ExportSettings settings;
  settings.folder = line.exportFolder;
  settings.summary = line.summaryFile;
  if (line.csvLocale)
    settings.csv = group::LocaleCsvStyle(runtime::Cp1251ToUtf8(std::string(1, localeDecimal)));
  settings.pdf = line.pdf;
  settings.pngScale = line.pngScale;
  settings.jobs = line.jobs.value_or(std::min(ProcessorCores(), kMaxJobs));
  settings.progress = ::isatty(STDERR_FILENO) == 1;
  if (!settings.folder) return RunExport(settings, line.records, std::cerr);

  // The charts are drawn into images only: the offscreen platform gives fonts without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Standard error lists the records that failed; the toolkit's notices about the session it runs
  // in (no runtime folder for root, and the like) would only bury them. Its errors still come
  // through.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
  });
  ExitIfQtCannotStart(
      "stroop-analyser: the charts cannot be drawn: Qt's offscreen platform does "
      "not start");
  int qtArgc = 1;  // the program's name only
  QGuiApplication application(qtArgc, argv);
  AfterQtStartup();
  return RunExport(settings, line.records, std::cerr,
                   [] { return std::make_unique<QtChartEncoder>(); });
}

}  // namespace app
