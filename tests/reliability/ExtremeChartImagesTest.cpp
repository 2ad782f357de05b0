// Extreme records drawn as the window draws them: through the QPainter canvas into the chart image
// and on to a GIF, for every subtest, without a crash, a hang or an image of the wrong size.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <string>

#include "analysis/LineBuffer.h"
#include "analysis/RecordLoader.h"
#include "app/ChartImage.h"
#include "chart/qt/QImageCanvas.h"
#include "gif/GIFImage.h"
#include "stroopchart/StroopChart.h"
#include "tests/support/ExtremeRecord.h"

namespace reliability {
namespace {

using testsupport::ExtremeRecord;

// Plots, renders and encodes the chart of every subtest of the record.
void DrawAllSubtests(const ExtremeRecord& source) {
  const analysis::RecordData record =
      analysis::LoadRecord(analysis::LineBuffer::FromBytes(source.Bytes())).Record;
  stroopchart::StroopChart chart(std::make_unique<chart::QImageCanvas>());
  for (int s = 1; s <= analysis::kSubtestCount; ++s) {
    chart.ShowSubtest(record, s);
    const QImage image = app::RenderChartImage(chart.Chart());
    EXPECT_EQ(image.width(), chart.Chart().Width());
    EXPECT_EQ(image.height(), chart.Chart().Height());
    const gif::TBitmap bitmap = app::BitmapFromImage(image);
    gif::TGIFImage gifImage;
    gifImage.Assign(&bitmap);
    std::string bytes;
    gifImage.SaveToStream(bytes);
    EXPECT_EQ(bytes.substr(0, 6), "GIF87a");
  }
}

TEST(ExtremeChartImages, HugeNegativeEqualAndOverflowingValues) {
  ExtremeRecord huge(140);
  huge.Time(0, 1, "1e300").Time(0, 2, "1e300").Time(0, 3, "1e300").Time(0, 4, "1e300");
  huge.Time(1, 1, "-5").Time(1, 2, "-5").Time(1, 3, "-5").Time(1, 4, "-5").Time(2, 1, "-1e300");
  DrawAllSubtests(huge);

  ExtremeRecord bands(30);
  for (int s = 1; s <= 4; ++s) bands.Summary(s, " 1e308", " 1e308");
  DrawAllSubtests(bands);

  ExtremeRecord flat(25);
  flat.AllTimes("  0.500");
  for (int s = 1; s <= 4; ++s) flat.Summary(s, "  0.50", "  0.00");
  DrawAllSubtests(flat);

  DrawAllSubtests(ExtremeRecord(1));
  DrawAllSubtests(ExtremeRecord(0));
  DrawAllSubtests(ExtremeRecord(140).AllAnswersWrong());
}

TEST(ExtremeChartImages, AHundredThousandStimuli) {
  ExtremeRecord many(100000);
  for (int s = 1; s <= 4; ++s) many.Errors(s, "255");
  DrawAllSubtests(many);
}

}  // namespace
}  // namespace reliability
