// Loading and reporting a record from its bytes: 140 stimuli (a real record) up to 100,000, to show
// the cost grows linearly with the record.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "analysis/AnalysisReport.h"
#include "analysis/RecordLoader.h"
#include "runtime/FormatSettings.h"
#include "tools/make-sample-records/SampleRecord.h"

namespace {

std::string RecordBytes(int stimuli) {
  // Few enough wrong answers that every error count fits its field (at most 255).
  const double rate = std::min(0.03, 150.0 / stimuli);
  samples::Subject subject{"0507",
                           "Петрова А.С.",
                           "12.03.2004 10:15:00",
                           stimuli,
                           {0.78, 0.62, 0.74, 0.95},
                           0.28,
                           {rate, rate, rate, rate},
                           507,
                           0};
  return samples::MakeRecord(subject);
}

// Split into lines, every field, the report and every stimulus row.
void BM_LoadAndReport(benchmark::State& state) {
  runtime::SetDecimalSeparator('.');
  const std::string bytes = RecordBytes(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const analysis::LoadedRecord loaded =
        analysis::LoadRecord(analysis::LineBuffer::FromBytes(bytes));
    benchmark::DoNotOptimize(loaded.Record.Stimuli.data());
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_LoadAndReport)
    ->Arg(140)
    ->Arg(1400)
    ->Arg(14000)
    ->Arg(100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

// The report alone, for the share of the load it takes.
void BM_ReportOnly(benchmark::State& state) {
  runtime::SetDecimalSeparator('.');
  const analysis::LineBuffer lines = analysis::LineBuffer::FromBytes(RecordBytes(140));
  const analysis::RecordData record = analysis::LoadRecord(lines).Record;
  for (auto _ : state) benchmark::DoNotOptimize(analysis::BuildAnalysisReport(lines, record));
}
BENCHMARK(BM_ReportOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
