// Fuzz target: a record as raw bytes through loading, the report, its file bytes, and the plot,
// paint and hit test of all four subtests on the recording canvas. Refused records must raise the
// conversion and arithmetic errors the window shows (runtime::Exception), nothing else.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "analysis/LineBuffer.h"
#include "analysis/RecordLoader.h"
#include "analysis/ReportFile.h"
#include "runtime/Errors.h"
#include "runtime/FormatSettings.h"
#include "stroopchart/StroopChart.h"
#include "tests/support/RecordingCanvas.h"

namespace {

// A loaded record must hold what the loader promises; anything else is a fault worth a crash
// report.
void CheckLoaded(const analysis::LoadedRecord& loaded) {
  const analysis::RecordData& r = loaded.Record;
  if (r.StimulusCount < 0 || static_cast<std::size_t>(r.StimulusCount) != r.Stimuli.size())
    std::abort();
  for (const analysis::TStimulusRow& row : r.Stimuli) {
    if (row.Stimul1 > 2 || row.Stimul2 > 2) std::abort();
    for (int s = 1; s <= analysis::kSubtestCount; ++s)
      if (row.Answer[s] > 2) std::abort();
  }
  if (loaded.Report.size() != 31 && loaded.Report.size() != 32) std::abort();
}

void PlotAllSubtests(const analysis::RecordData& record) {
  stroopchart::StroopChart chart(std::make_unique<chart::RecordingCanvas>());
  chart::TLineSeries& stimuli = chart.Series().Series5sec;
  const chart::TRect probes[] = {{0, 0, 0, 0}, {60, 40, 0, 0}, {500, 180, 0, 0}, {1000, 350, 0, 0}};
  for (int s = 1; s <= analysis::kSubtestCount; ++s) {
    chart.ShowSubtest(record, s);
    chart.Chart().Paint();
    for (const chart::TRect& p : probes) {
      const int index = stimuli.PointAtPixel(p.Left, p.Top);
      if (index < -1 || index >= stimuli.PointCount()) std::abort();
    }
  }
}

// Inputs refused with an error message and inputs loaded, printed when the run ends.
long long refused = 0;
long long loadedCount = 0;

void PrintCounts() {
  std::fprintf(stderr, "stat::refused_inputs: %lld\nstat::loaded_inputs: %lld\n", refused,
               loadedCount);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit(PrintCounts);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first byte picks the decimal separator, so records written with either one get deep.
  if (size == 0) return 0;
  runtime::SetDecimalSeparator((data[0] & 1) ? ',' : '.');
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  analysis::LoadedRecord loaded;
  try {
    loaded = analysis::LoadRecord(analysis::LineBuffer::FromBytes(bytes));
  } catch (const runtime::Exception&) {
    ++refused;
    return 0;  // a refused record: the window shows the message
  }
  ++loadedCount;
  CheckLoaded(loaded);
  if (analysis::ReportFileBytes(loaded.Report).empty()) std::abort();
  PlotAllSubtests(loaded.Record);
  return 0;
}
