// A thousand load-plot-save cycles keep resident memory flat: each cycle loads a record, writes its
// report, plots and paints all four subtests and saves a chart image (through the window's own
// chart image when the application is built). The figures are printed; only a generous bound is
// asserted.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "ProcessMemory.h"
#include "analysis/RecordLoader.h"
#include "analysis/ReportFile.h"
#include "gif/GIFImage.h"
#include "runtime/TextFile.h"
#include "stroopchart/StroopChart.h"
#include "tests/support/ExtremeRecord.h"
#include "tests/support/RecordedStroopChart.h"
#include "tests/support/TempFolder.h"

#ifdef STROOP_RELIABILITY_WITH_APP
#include <memory>

#include "app/ChartImage.h"
#include "chart/qt/QImageCanvas.h"
#endif

namespace reliability {
namespace {

using testsupport::ExtremeRecord;

namespace fs = std::filesystem;

// Without the application the chart image is a bitmap of the chart's size with a few colours.
void SaveChartImage(chart::TChart& chart, const fs::path& path) {
#ifdef STROOP_RELIABILITY_WITH_APP
  app::SaveChartGif(chart, path);
#else
  chart.Paint();
  gif::TBitmap bitmap(chart.Width(), chart.Height(), gif::TPixelFormat::pf24bit);
  for (int y = 0; y < bitmap.Height(); y += 7) bitmap.ScanLine(y)[3 * (y % bitmap.Width())] = 255;
  gif::TGIFImage image;
  image.Assign(&bitmap);
  image.SaveToFile(path);
#endif
}

// One cycle as a user runs it: open the record, save the report, then each subtest's chart.
void Cycle(const fs::path& record, const fs::path& out) {
  const analysis::LoadedRecord loaded = analysis::LoadRecordFile(record);
  analysis::SaveReportFile(out / "report.txt", loaded.Report);
#ifdef STROOP_RELIABILITY_WITH_APP
  stroopchart::StroopChart chart(std::make_unique<chart::QImageCanvas>());
#else
  testsupport::RecordedStroopChart chart;
#endif
  for (int s = 1; s <= analysis::kSubtestCount; ++s) {
    chart.ShowSubtest(loaded.Record, s);
    SaveChartImage(chart.Chart(), out / ("chart" + std::to_string(s) + ".gif"));
  }
}

TEST(MemoryGrowth, AThousandLoadPlotSaveCyclesKeepResidentMemoryFlat) {
  const testsupport::TempFolder folder;
  const fs::path record = folder.Write("7001.txt", ExtremeRecord(140).Bytes());
  // The sanitizer build keeps freed memory in quarantine, so it runs few cycles and LeakSanitizer
  // judges leaks instead.
  const int cycles = kAddressSanitizer ? 30 : 1000;
  for (int i = 0; i < 20; ++i) Cycle(record, folder.Path());  // caches, fonts, pools settle
  const std::size_t before = ResidentKiB();
  for (int i = 0; i < cycles; ++i) Cycle(record, folder.Path());
  const std::size_t after = ResidentKiB();
  std::printf(
      "[ memory   ] %d load-plot-save cycles: resident %zu KiB before, %zu KiB after (%+ld KiB)\n",
      cycles, before, after, static_cast<long>(after) - static_cast<long>(before));
  EXPECT_EQ(testsupport::ReadFile(folder / "report.txt").empty(), false);
  if (kAddressSanitizer) return;
  ASSERT_GT(before, 0u);
  // A leak of even one chart image (about 1 MB of pixels) per cycle would add a gigabyte.
  EXPECT_LT(after, before + 16 * 1024);
}

}  // namespace
}  // namespace reliability
