// Fuzz target: the main chart's layout, paint and hit test over arbitrary points (huge, tiny,
// equal, negative and infinite values, any count, any chart size) on the recording canvas.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>

#include "chart/ChartException.h"
#include "stroopchart/MainChartSetup.h"
#include "tests/support/RecordingCanvas.h"

namespace {

// Extremes the fuzzer would rarely build from raw bytes. Infinity is included because the plot's
// mean +/- 2 SD of a record with SD near 1e308 overflows to it.
double Value(FuzzedDataProvider& in) {
  constexpr double kSpecial[] = {0.0,
                                 -0.0,
                                 1.0,
                                 -5.0,
                                 1e300,
                                 -1e300,
                                 1e-300,
                                 5e-324,
                                 std::numeric_limits<double>::max(),
                                 std::numeric_limits<double>::lowest(),
                                 std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity(),
                                 2147483647.0,
                                 2147483648.0,
                                 -2147483649.0,
                                 0.1};
  if (in.ConsumeBool())
    return kSpecial[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kSpecial) - 1)];
  const double raw = in.ConsumeFloatingPoint<double>();
  return raw;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  chart::TChart chart;
  stroopchart::TMainChartSeries series;
  stroopchart::SetUpMainChart(chart, series);
  chart.SetCanvas(std::make_unique<chart::RecordingCanvas>());
  if (in.ConsumeBool())
    chart.SetBounds(in.ConsumeIntegralInRange(-5, 3000), in.ConsumeIntegralInRange(-5, 3000),
                    in.ConsumeIntegralInRange(-5, 4000), in.ConsumeIntegralInRange(-5, 4000));

  // The stimulus series gets the fuzzed points; the three band series a level each, as the plot
  // draws them.
  const int count = in.ConsumeIntegralInRange(0, 400);
  const double levels[3] = {Value(in), Value(in), Value(in)};
  chart::TLineSeries* bands[3] = {&series.Series5secAv, &series.Series5sec2Dp,
                                  &series.Series5sec2Dm};
  for (int i = 0; i < count && in.remaining_bytes() > 0; ++i) {
    const double x = in.ConsumeBool() ? i + 1 : Value(in);
    const chart::TColor color = in.ConsumeBool() ? chart::clGreen : chart::clRed;
    series.Series5sec.AddPoint(x, Value(in), "label", color);
    for (int b = 0; b < 3; ++b) bands[b]->AddPoint(x, levels[b]);
  }
  // Fixed axis ranges too, as far as the axis accepts them.
  if (in.ConsumeBool()) {
    try {
      chart.LeftAxis().SetAutomatic(false);
      chart.LeftAxis().SetMinMax(Value(in), Value(in));
    } catch (const chart::ChartException&) {
    }
  }
  chart.Paint();
  for (int probe = 0; probe < 8 && in.remaining_bytes() > 0; ++probe) {
    const int x = in.ConsumeIntegralInRange(-10, 1100);
    const int y = in.ConsumeIntegralInRange(-10, 400);
    for (chart::TLineSeries* s : {&series.Series5sec, bands[0], bands[1], bands[2]}) {
      const int index = s->PointAtPixel(x, y);
      if (index < -1 || index >= s->PointCount()) std::abort();
    }
  }
  return 0;
}
