// The shared outputs, one sample record (140 stimuli): the PDF report (report text and the four
// vector charts; target under 50 ms a record) and the four 4x PNGs (target under 30 ms), with the
// steps and the other formats beside them so a slow step shows. The GIF of the same chart is the
// peer: what the program always wrote.
#include <benchmark/benchmark.h>

#include <QDate>
#include <QGuiApplication>

#include "analysis/RecordLoader.h"
#include "app/ChartImage.h"
#include "app/ChartOutputs.h"
#include "app/PdfReport.h"
#include "app/QtStartup.h"
#include "gif/GIFAnimator.h"

namespace {

const analysis::LoadedRecord& Sample() {
  static const analysis::LoadedRecord loaded = analysis::LoadRecordFile(STROOP_SAMPLE_RECORD);
  return loaded;
}

void BM_ReportPdf(benchmark::State& state) {
  for (auto _ : state) {
    const std::string pdf = app::ReportPdf(Sample().Record, Sample().Report, QDate(2026, 2, 1));
    benchmark::DoNotOptimize(pdf.data());
  }
  state.SetLabel("one record: report pages and the four charts");
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond);

// One chart (subtest 1); range(0) is the scale.
void BM_ChartPng(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const std::string png = app::ChartPng(Sample().Record, 1, scale);
    benchmark::DoNotOptimize(png.data());
  }
  state.SetLabel("one chart");
}
BENCHMARK(BM_ChartPng)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

// What --png-scale 4 adds to a record's export: its four charts as 4x PNGs.
void BM_RecordPng4x(benchmark::State& state) {
  for (auto _ : state)
    for (int subtest = 1; subtest <= 4; ++subtest) {
      const std::string png = app::ChartPng(Sample().Record, subtest, 4);
      benchmark::DoNotOptimize(png.data());
    }
  state.SetLabel("one record: the four charts");
}
BENCHMARK(BM_RecordPng4x)->Unit(benchmark::kMillisecond);

// The drawing alone, without the PNG encoder.
void BM_ChartImageAtScale(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const QImage image = app::ChartImageAtScale(Sample().Record, 1, scale);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_ChartImageAtScale)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_ChartSvg(benchmark::State& state) {
  for (auto _ : state) {
    const std::string svg = app::ChartSvg(Sample().Record, 1);
    benchmark::DoNotOptimize(svg.data());
  }
}
BENCHMARK(BM_ChartSvg)->Unit(benchmark::kMillisecond);

void BM_ChartPdf(benchmark::State& state) {
  for (auto _ : state) {
    const std::string pdf = app::ChartPdf(Sample().Record, 1);
    benchmark::DoNotOptimize(pdf.data());
  }
}
BENCHMARK(BM_ChartPdf)->Unit(benchmark::kMillisecond);

// The peer: the same chart's GIF in memory, as "Chart" and the export make it.
void BM_ChartGif(benchmark::State& state) {
  for (auto _ : state) {
    const gif::TBitmap bitmap = app::BitmapFromImage(app::ChartImage(Sample().Record, 1));
    gif::TGIFAnimator holder;
    holder.Image().Assign(&bitmap);
    std::string bytes;
    holder.Image().SaveToStream(bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_ChartGif)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  app::AfterQtStartup();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
