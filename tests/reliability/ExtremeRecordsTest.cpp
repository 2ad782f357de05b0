// Extreme records: huge, negative and equal reaction times, 100,000 stimuli, every answer wrong,
// one stimulus, overflowing SD bands. Each loads, reports, plots and paints all four subtests
// without a crash or a hang, and no line reaches beyond the pixel range the chart draws in.
#include <gtest/gtest.h>

#include <string>

#include "analysis/LineBuffer.h"
#include "analysis/RecordLoader.h"
#include "analysis/ReportFile.h"
#include "stroopchart/StroopChart.h"
#include "tests/support/ExtremeRecord.h"
#include "tests/support/RecordedStroopChart.h"

namespace reliability {
namespace {

using testsupport::ExtremeRecord;

using analysis::LoadedRecord;

LoadedRecord Load(const ExtremeRecord& record) {
  return analysis::LoadRecord(analysis::LineBuffer::FromBytes(record.Bytes()));
}

// The chart draws only within -32766..32766 pixels; the line series skips points whose pixel is
// further out.
bool OnDevice(int v) { return v > -32767 && v < 32767; }

struct PaintedSubtest {
  int points = 0;
  int linesOffDevice = 0;
  int pointsFound = 0;  // points whose own pixel inside the plot finds a point by hit test
  int pointsInside = 0;
};

// Plots and paints every subtest as the window does, and checks each paint's recorded lines.
std::vector<PaintedSubtest> PaintAll(const analysis::RecordData& record) {
  testsupport::RecordedStroopChart stroop;
  chart::TChart& chart = stroop.Chart();
  chart::TLineSeries& stimuli = stroop.Series().Series5sec;
  std::vector<PaintedSubtest> out;
  for (int s = 1; s <= analysis::kSubtestCount; ++s) {
    stroop.ShowSubtest(record, s);
    stroop.Repaint();
    PaintedSubtest p;
    p.points = stimuli.PointCount();
    for (const chart::TCanvasOp& op : stroop.Canvas().Ops())
      if (op.Kind == chart::TCanvasOpKind::Line &&
          !(OnDevice(op.Box.Left) && OnDevice(op.Box.Top) && OnDevice(op.Box.Right) &&
            OnDevice(op.Box.Bottom)))
        ++p.linesOffDevice;
    // Hit test a sample of the points (all of them for small records).
    const int step = p.points > 200 ? p.points / 200 : 1;
    for (int i = 0; i < p.points; i += step) {
      const int x = stimuli.ScreenX(i);
      const int y = stimuli.ScreenY(i);
      if (!chart.PlotRect().Contains(x, y)) continue;
      ++p.pointsInside;
      p.pointsFound += stimuli.PointAtPixel(x, y) >= 0;
    }
    out.push_back(p);
  }
  return out;
}

void ExpectDrawnSafely(const LoadedRecord& loaded, int stimuli) {
  EXPECT_FALSE(analysis::ReportFileBytes(loaded.Report).empty());
  for (const PaintedSubtest& p : PaintAll(loaded.Record)) {
    EXPECT_EQ(p.points, stimuli);
    EXPECT_EQ(p.linesOffDevice, 0);
    EXPECT_EQ(p.pointsFound, p.pointsInside);
  }
}

TEST(ExtremeRecords, HugeNegativeAndTinyTimesLoadReportAndDraw) {
  ExtremeRecord record(140);
  record.Time(0, 1, "1e300").Time(0, 2, "1e300").Time(0, 3, "1E300").Time(0, 4, "1e300");
  record.Time(1, 1, "-5").Time(1, 2, "-5").Time(1, 3, "-5.000").Time(1, 4, "-5");
  record.Time(2, 1, "1e-300").Time(3, 1, "-1e300").Time(4, 2, "0");
  const LoadedRecord loaded = Load(record);
  EXPECT_EQ(loaded.Record.Stimuli[0].Time[3], 1e300);
  EXPECT_EQ(loaded.Record.Stimuli[1].Time[1], -5);
  EXPECT_EQ(loaded.Record.Stimuli[3].Time[1], -1e300);
  ExpectDrawnSafely(loaded, 140);
}

TEST(ExtremeRecords, SummariesThatOverflowTheBandsStillDraw) {
  // Mean + 2 SD and mean - 2 SD beyond the largest double: the band lines are infinite.
  const struct {
    const char* mean;
    const char* sd;
  } cases[] = {
      {" 1e308", " 1e308"}, {"-1e308", " 1e308"}, {" 1e-30", "  1e30"}, {"   -5.", "    0."}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.mean) + " / " + c.sd);
    ExtremeRecord record(30);
    for (int s = 1; s <= 4; ++s) record.Summary(s, c.mean, c.sd);
    ExpectDrawnSafely(Load(record), 30);
  }
}

TEST(ExtremeRecords, EqualTimesGiveAZeroRangeAxis) {
  ExtremeRecord record(25);
  record.AllTimes("  0.500");
  for (int s = 1; s <= 4; ++s) record.Summary(s, "  0.50", "  0.00");
  const LoadedRecord loaded = Load(record);
  ExpectDrawnSafely(loaded, 25);
}

TEST(ExtremeRecords, OneStimulusHasZeroRangeOnBothAxes) {
  ExtremeRecord record(1);
  const LoadedRecord loaded = Load(record);
  ExpectDrawnSafely(loaded, 1);
  ExtremeRecord equal(1);
  equal.AllTimes("1").Summary(1, "1", "0");
  ExpectDrawnSafely(Load(equal), 1);
}

TEST(ExtremeRecords, NoStimuliDrawsOnlyTheTitles) {
  ExtremeRecord record(0);
  ExpectDrawnSafely(Load(record), 0);
}

TEST(ExtremeRecords, EveryAnswerWrongMarksEveryPointRed) {
  ExtremeRecord record(140);
  record.AllAnswersWrong();
  const LoadedRecord loaded = Load(record);
  stroopchart::StroopChart stroop;
  const chart::TLineSeries& stimuli = stroop.Series().Series5sec;
  for (int s = 1; s <= 4; ++s) {
    stroop.ShowSubtest(loaded.Record, s);
    for (int i = 0; i < stimuli.PointCount(); ++i)
      ASSERT_EQ(stimuli.PointColor(i), chart::clRed) << "subtest " << s << ", point " << i;
  }
  ExpectDrawnSafely(loaded, 140);
}

TEST(ExtremeRecords, AHundredThousandStimuli) {
  ExtremeRecord record(100000);
  for (int s = 1; s <= 4; ++s)
    record.Errors(s, "255");  // the generated counts pass the 8-bit field
  const LoadedRecord loaded = Load(record);
  ASSERT_EQ(loaded.Record.StimulusCount, 100000);
  ExpectDrawnSafely(loaded, 100000);
}

}  // namespace
}  // namespace reliability
