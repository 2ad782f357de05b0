// The Stroop chart painted into a QImage: the mean line stays whole at SD 0, and the band lines'
// gaps leave the markers beneath them in their own colour.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>
#include <string>
#include <vector>

#include "analysis/RecordData.h"
#include "chart/qt/QImageCanvas.h"
#include "stroopchart/StroopChart.h"
#include "tests/stroopchart/SubtestRecord.h"

namespace stroopchart {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kGreen = 0xFF008000;
constexpr QRgb kBlue = 0xFF0000FF;

using test::SubtestOf;

// Twenty stimuli alternating between two times.
std::vector<double> Alternating(double first, double second) {
  std::vector<double> times;
  for (int c = 0; c < 20; ++c) times.push_back(c % 2 ? second : first);
  return times;
}

class StroopPixels : public ::testing::Test {
 protected:
  StroopPixels() {
    static int argc = 1;
    static char name[] = "stroopchart_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: deleting the application after Qt's globals are gone crashes at exit.
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
    auto canvas = std::make_unique<chart::QImageCanvas>();
    canvas_ = canvas.get();
    stroop_ = std::make_unique<StroopChart>(std::move(canvas));
  }

  const QImage& Paint(const analysis::RecordData& record) {
    stroop_->ShowSubtest(record, 1);
    stroop_->Chart().Paint();
    return canvas_->Image();
  }

  chart::QImageCanvas* canvas_;
  std::unique_ptr<StroopChart> stroop_;
};

// The plot runs from y 46 to 306 and the markers keep the extreme times 5 pixels inside it: on
// a 0.5..1.1 range, 0.8 lies on row 176.
TEST_F(StroopPixels, MeanLineIsWholeWhenTheBandsLieOnIt) {
  const QImage& image = Paint(SubtestOf(Alternating(0.5, 1.1), 0.8, 0));
  const chart::TRect plot = stroop_->Chart().PlotRect();
  // From the first stimulus, 5 pixels inside the plot, to the last, whose pixel a line leaves
  // out; the stimulus line crosses this row too, and the mean is drawn over it.
  std::string row;
  for (int x = plot.Left + 5; x < plot.Right - 5; ++x)
    row += image.pixel(x, 176) == kBlue ? 'u' : '.';
  EXPECT_EQ(row, std::string(row.size(), 'u')) << row;
  EXPECT_GT(row.size(), 900u);
}

// Mean 0.8 and SD 0.1 put the upper band at 1.0, the highest time, on row 51: the band runs
// through the middle of every other marker.
TEST_F(StroopPixels, MarkersUnderTheBandsGapsKeepTheirColour) {
  const QImage& image = Paint(SubtestOf(Alternating(1.0, 0.6), 0.8, 0.1));
  chart::TLineSeries& stimuli = stroop_->Series().Series5sec;
  int white = 0;
  int green = 0;
  for (int i = 0; i < stimuli.PointCount(); i += 2) {
    ASSERT_EQ(stimuli.ScreenY(i), 51);
    const int x = stimuli.ScreenX(i);
    for (int dx = -3; dx <= 3; ++dx) {  // the marker's fill
      white += image.pixel(x + dx, 51) == kWhite;
      green += image.pixel(x + dx, 51) == kGreen;
    }
  }
  EXPECT_EQ(white, 0);
  EXPECT_GT(green, 0);  // some gap falls inside a marker
}

}  // namespace
}  // namespace stroopchart
