// Times what a user waits for: the first window after start, "Data" until chart and report are
// painted, one mouse-move readout, and the command-line export of one record (report and four
// GIFs).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "analysis/RecordLoader.h"
#include "app/ChartImage.h"
#include "app/ChartView.h"
#include "app/ExportCharts.h"
#include "app/QtStartup.h"
#include "app/ReportView.h"
#include "app/RunExport.h"
#include "app/TAboutBox.h"
#include "app/TFileDialog.h"
#include "app/TForm1.h"
#include "app/UserPrompts.h"
#include "chart/qt/QImageCanvas.h"
#include "gif/GIFAnimator.h"
#include "stroopchart/StroopChart.h"

namespace {

using Clock = std::chrono::steady_clock;

class NoDialogs : public app::FileDialogRunner {
 public:
  std::optional<QString> Run(const app::TFileDialog&, QWidget*) override { return std::nullopt; }
};

class NoPrompts : public app::UserPrompts {
 public:
  void ShowError(QWidget*, const QString& text) override {
    std::fprintf(stderr, "error box: %s\n", text.toStdString().c_str());
  }
  void ShowNote(QWidget*, const QString&) override {}
  bool Confirm(QWidget*, const QString&) override { return false; }
};

NoDialogs dialogs;
NoPrompts prompts;
QPoint cursor;

app::WindowServices Services() {
  return {dialogs, prompts, [] { return cursor; }, QDir::tempPath().toStdString()};
}

const QString kRecord = QStringLiteral(STROOP_SAMPLE_RECORD);

// The window as the start sequence shows it, painted once.
void ShowAndPaint(app::TForm1& form) {
  form.showMaximized();
  (void)QTest::qWaitForWindowExposed(&form);
  form.repaint();
}

// Chart and report painted now rather than at the next turn of the event loop.
void PaintWorkArea(app::TForm1& form) {
  form.Chart5secView->repaint();
  form.meAnalysis->viewport()->repaint();
}

double PeakResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

void BM_WindowCreatedAndShown(benchmark::State& state) {
  for (auto _ : state) {
    app::TForm1 form(Services(), QDir::tempPath().toStdString() + "/");
    app::TAboutBox about;
    form.SetAboutBox(&about);
    ShowAndPaint(form);
  }
}
BENCHMARK(BM_WindowCreatedAndShown)->Unit(benchmark::kMillisecond);

void BM_DataToPaintedChartAndReport140(benchmark::State& state) {
  app::TForm1 form(Services(), QDir::tempPath().toStdString() + "/");
  ShowAndPaint(form);
  for (auto _ : state) {
    form.LoadRecordFile(kRecord.toStdString());
    PaintWorkArea(form);
  }
  state.counters["stimuli"] = form.Record().StimulusCount;
}
BENCHMARK(BM_DataToPaintedChartAndReport140)->Unit(benchmark::kMillisecond);

// One readout: the mouse moves alternately onto a marker and onto an empty spot, so every move
// changes the caption. With `paint` the chart's repaint that shows it is included.
void Readout(benchmark::State& state, bool paint) {
  app::TForm1 form(Services(), QDir::tempPath().toStdString() + "/");
  ShowAndPaint(form);
  form.LoadRecordFile(kRecord.toStdString());
  PaintWorkArea(form);
  app::ChartView* view = form.Chart5secView;
  auto& stimuli = view->Series().Series5sec;
  const QPoint spots[] = {
      {stimuli.ScreenX(70), stimuli.ScreenY(70)},
      {form.Chart5sec().PlotRect().Left + 1, form.Chart5sec().PlotRect().Bottom - 1}};
  int i = 0;
  for (auto _ : state) {
    const QPoint at = spots[i++ % 2];
    cursor = view->mapToGlobal(at);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(cursor), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    if (paint) view->repaint();
  }
}
void BM_MouseMoveReadout(benchmark::State& state) { Readout(state, false); }
void BM_MouseMoveReadoutPainted(benchmark::State& state) { Readout(state, true); }
BENCHMARK(BM_MouseMoveReadout)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MouseMoveReadoutPainted)->Unit(benchmark::kMicrosecond);

// The pieces of one chart image in the export: drawing the chart, and turning the picture into GIF
// bytes (colour reduction, LZW, the file layout) without the file system.
struct ExportChart {
  stroopchart::StroopChart chart{std::make_unique<chart::QImageCanvas>()};
  ExportChart() { chart.ShowSubtest(analysis::LoadRecordFile(kRecord.toStdString()).Record, 1); }
};

void BM_ExportChartRender(benchmark::State& state) {
  ExportChart c;
  for (auto _ : state) benchmark::DoNotOptimize(app::RenderChartImage(c.chart.Chart()));
}
BENCHMARK(BM_ExportChartRender)->Unit(benchmark::kMillisecond);

void BM_ExportChartGifBytes(benchmark::State& state) {
  ExportChart c;
  const QImage image = app::RenderChartImage(c.chart.Chart());
  for (auto _ : state) {
    const gif::TBitmap bitmap = app::BitmapFromImage(image);
    gif::TGIFAnimator holder;
    holder.Image().Assign(&bitmap);
    std::string bytes;
    holder.Image().SaveToStream(bytes);
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_ExportChartGifBytes)->Unit(benchmark::kMillisecond);

// Every file goes through a temporary file, fsync and rename, so the wall time includes the disk.
// The files are written on worker threads: the CPU time is the whole process's.
void BM_ExportOneRecordReportAndFourGifs(benchmark::State& state) {
  QTemporaryDir out;
  app::ExportSettings settings;
  settings.folder = out.path().toStdString();
  const std::vector<std::filesystem::path> records{kRecord.toStdString()};
  for (auto _ : state) {
    const int status = app::RunExport(settings, records, std::cerr,
                                      [] { return std::make_unique<app::QtChartEncoder>(); });
    if (status != 0) state.SkipWithError("export failed");
  }
}
BENCHMARK(BM_ExportOneRecordReportAndFourGifs)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

}  // namespace

// The offscreen platform cannot pass size hints to a window manager and says so for every window.
void QuietSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QStringLiteral("propagateSizeHints"))) return;
  std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

int main(int argc, char** argv) {
  // From the start of the process to the first window shown and painted: the application object,
  // the font database, the window and the about dialog, as the start sequence makes them.
  const Clock::time_point start = Clock::now();
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietSizeHints);
  QApplication application(argc, argv);
  app::AfterQtStartup();
  double firstWindowMs;
  {
    app::TForm1 form(Services(), QDir::tempPath().toStdString() + "/");
    app::TAboutBox about;
    form.SetAboutBox(&about);
    ShowAndPaint(form);
    firstWindowMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  }
  std::printf("Process start to first window shown and painted: %.1f ms (target 300 ms)\n",
              firstWindowMs);

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::printf("Peak resident memory: %.1f MB (target 100 MB)\n", PeakResidentMegabytes());
  return 0;
}
