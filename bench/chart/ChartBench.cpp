// The main chart at 1023 x 369: a full layout and paint with 140 (a real record), 10,000 and
// 100,000 points on the recording and the QPainter canvas, and the hit test over 100,000 points.
#include <benchmark/benchmark.h>

#include <memory>

#include "stroopchart/StroopChart.h"
#include "tests/support/RecordingCanvas.h"
#include "tools/render-chart/SampleChartData.h"

#ifdef STROOP_BENCH_QPAINTER
#include <QGuiApplication>

#include "chart/qt/QImageCanvas.h"
#endif

namespace {

// The main window's chart filled with `count` sample stimuli, painted once.
struct MainChart {
  MainChart(std::unique_ptr<chart::TChartCanvas> canvas, int count) : stroop(std::move(canvas)) {
    stroop.ShowSubtest(samples::SampleChartRecord(count), 1);
    chart.Paint();
  }
  stroopchart::StroopChart stroop;
  chart::TChart& chart = stroop.Chart();
  stroopchart::TMainChartSeries& series = stroop.Series();
};

void PaintLoop(benchmark::State& state, MainChart& main) {
  for (auto _ : state) {
    main.chart.Invalidate();
    main.chart.Paint();
  }
  state.SetComplexityN(state.range(0));
  state.counters["points"] = static_cast<double>(state.range(0));
}

// Layout and every drawing call, recorded without keeping the operations.
void BM_PaintRecording(benchmark::State& state) {
  auto canvas = std::make_unique<chart::RecordingCanvas>();
  canvas->SetRecording(false);
  MainChart main(std::move(canvas), static_cast<int>(state.range(0)));
  PaintLoop(state, main);
}
BENCHMARK(BM_PaintRecording)
    ->Arg(140)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

#ifdef STROOP_BENCH_QPAINTER
// The same into the window's off-screen QImage, pixels and text included.
void BM_PaintQImage(benchmark::State& state) {
  MainChart main(std::make_unique<chart::QImageCanvas>(), static_cast<int>(state.range(0)));
  PaintLoop(state, main);
}
BENCHMARK(BM_PaintQImage)
    ->Arg(140)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
#endif

// The stimulus series' hit test at a pixel that is on no marker and no segment, so the whole
// visible range is scanned (the worst case).
void BM_PointAtPixel(benchmark::State& state) {
  auto canvas = std::make_unique<chart::RecordingCanvas>();
  canvas->SetRecording(false);
  MainChart main(std::move(canvas), static_cast<int>(state.range(0)));
  const chart::TRect& plot = main.chart.PlotRect();
  const int x = plot.Left + 1;
  const int y = plot.Top + 1;
  if (main.series.Series5sec.PointAtPixel(x, y) != -1)
    state.SkipWithError("the pixel hits a point");
  for (auto _ : state) benchmark::DoNotOptimize(main.series.Series5sec.PointAtPixel(x, y));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PointAtPixel)
    ->Arg(140)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) {
#ifdef STROOP_BENCH_QPAINTER
  // Fonts need a GUI application; no window is opened.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
