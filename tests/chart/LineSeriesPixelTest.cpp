// Line series on a real QImage: marker pixels, segment colours, markers on top, dash-dot bands,
// gaps that show what lies beneath, and the drawing order.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>
#include <string>

#include "PixelChart.h"
#include "chart/TChart.h"
#include "chart/TLineSeries.h"
#include "chart/qt/QImageCanvas.h"
#include "tests/chart/Colours.h"

namespace chart {
namespace {

using namespace colours;
constexpr QRgb kBand = 0xFF400040;  // red 64, green 0, blue 64

// The same one-to-one chart as the recorded tests (pixel = (X, 250 - Y)) on a white back wall.
class PixelImage : public ::testing::Test {
 protected:
  PixelImage() {
    static int argc = 1;
    static char name[] = "chart_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: deleting the application after Qt's globals are gone crashes at exit.
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);

    auto canvas = std::make_unique<QImageCanvas>();
    canvas_ = canvas.get();
    SetUpPixelChart(chart, std::move(canvas));
    chart.BackWall().Brush().SetColor(clWhite);
    chart.BackWall().SetColor(clWhite);
    series.SetParentChart(&chart);
  }

  // One character per pixel of row y for x in [x0, x1): 'b' black, 'g' green, 'r' red, 'm' the
  // band colour, 'u' blue, 'w' white, '?' anything else.
  std::string Colours(int y, int x0, int x1) {
    chart.Paint();
    std::string row;
    for (int x = x0; x < x1; ++x) {
      switch (canvas_->Image().pixel(x, y)) {
        case kBlack: row += 'b'; break;
        case kGreen: row += 'g'; break;
        case kRed: row += 'r'; break;
        case kBand: row += 'm'; break;
        case kBlue: row += 'u'; break;
        case kWhite: row += 'w'; break;
        default: row += '?';
      }
    }
    return row;
  }
  // A dash-dot line across the whole plot at pixel row 150.
  void AddBand(TLineSeries& band) {
    band.SetSeriesColor(0x400040);
    band.LinePen().SetStyle(psDashDot);
    band.AddPoint(0, 100);
    band.AddPoint(400, 100);
    band.SetParentChart(&chart);
  }
  // Series are drawn with an opaque background, as the axes' grid leaves it.
  void OpaqueBackground() {
    chart.OnBeforeDrawSeries = [this] { canvas_->SetBackMode(bmOpaque); };
  }

  QRgb At(int x, int y) {
    chart.Paint();
    return canvas_->Image().pixel(x, y);
  }
  // 'x' where row y has the colour, '.' elsewhere, for x in [x0, x1).
  std::string Row(int y, int x0, int x1, QRgb color) {
    chart.Paint();
    std::string row;
    for (int x = x0; x < x1; ++x) row += canvas_->Image().pixel(x, y) == color ? 'x' : '.';
    return row;
  }

  TChart chart;
  TLineSeries series;

 private:
  QImageCanvas* canvas_;
};

TEST_F(PixelImage, RectangleMarkerCoversNinePixelsWithABlackOutline) {
  series.Pointer().SetVisible(true);
  series.AddPoint(100, 200, "", clGreen);                // pixel (100, 50)
  EXPECT_EQ(Row(50, 94, 107, kBlack), "..x.......x..");  // outline at x 96 and 104
  EXPECT_EQ(Row(50, 94, 107, kGreen), "...xxxxxxx...");  // fill 97..103
  EXPECT_EQ(Row(46, 94, 107, kBlack), "..xxxxxxxxx..");  // top edge y 46
  EXPECT_EQ(Row(54, 94, 107, kBlack), "..xxxxxxxxx..");  // bottom edge y 54
  EXPECT_EQ(At(100, 45), kWhite);
  EXPECT_EQ(At(100, 55), kWhite);
}

TEST_F(PixelImage, GreenRedGreenSegmentsAndMarkersOnTop) {
  series.Pointer().SetVisible(true);
  series.AddPoint(100, 150, "", clGreen);  // (100, 100)
  series.AddPoint(200, 150, "", clRed);    // (200, 100)
  series.AddPoint(300, 150, "", clGreen);  // (300, 100)
  // The segment 0-1 ends at the red point, the segment 1-2 at a green one.
  EXPECT_EQ(Row(100, 150, 152, kRed), "xx");
  EXPECT_EQ(Row(100, 250, 252, kGreen), "xx");
  // Each marker's fill covers the lines that run through it: red inside the green markers
  // would mean a line was drawn after them.
  EXPECT_EQ(Row(100, 97, 104, kGreen), "xxxxxxx");
  EXPECT_EQ(Row(100, 197, 204, kRed), "xxxxxxx");
  EXPECT_EQ(Row(100, 297, 304, kGreen), "xxxxxxx");
  EXPECT_EQ(At(196, 100), kBlack);
}

TEST_F(PixelImage, DashDotBandLineHasGaps) {
  series.SetSeriesColor(0x400040);
  series.LinePen().SetStyle(psDashDot);
  series.AddPoint(0, 100);  // a horizontal line at pixel row 150
  series.AddPoint(400, 100);
  const std::string band = Row(150, 50, 350, kBand);
  const std::string wall = Row(150, 50, 350, kWhite);
  EXPECT_NE(band.find("xxx"), std::string::npos) << band;  // dashes
  EXPECT_NE(wall.find('x'), std::string::npos) << band;    // and gaps showing the wall
  for (std::size_t i = 0; i < band.size(); ++i) EXPECT_NE(band[i], wall[i]) << i;
}

// The dash-dot pattern from x = 0 is 9 on, 6 off, 3 on, 6 off: around x = 112 the gap 105..110,
// the dot 111..113 and the gap 114..119. A green marker centred at (112, 150) fills 109..115
// inside its black outline at 108 and 116.
TEST_F(PixelImage, TransparentGapsOfALineShowTheMarkerBeneath) {
  OpaqueBackground();
  series.Pointer().SetVisible(true);
  series.AddPoint(112, 100, "", clGreen);
  TLineSeries band;
  AddBand(band);
  // clang-format off
  const struct {
    bool transparent;
    const char* row;  // x 107..117
  } cases[] = {
      {false, "wwwwmmmwwww"},  // the gaps paint the background colour over the marker
      {true,  "wbggmmmggbw"},
  };
  // clang-format on
  for (const auto& c : cases) {
    band.SetTransparentLineGaps(c.transparent);
    EXPECT_EQ(Colours(150, 107, 118), c.row) << c.transparent;
  }
}

TEST_F(PixelImage, ALargerZOrderDrawsOnTopWhateverTheListOrder) {
  series.SetSeriesColor(clBlue);  // a solid line on the band's row, first in the list
  series.AddPoint(0, 100);
  series.AddPoint(400, 100);
  TLineSeries band;
  AddBand(band);
  band.SetTransparentLineGaps(true);
  // clang-format off
  const struct {
    int lineZOrder;
    const char* row;  // x 0..23: one period of the pattern
  } cases[] = {
      {0, "mmmmmmmmmuuuuuummmuuuuuu"},  // list order: the band over the line
      {1, "uuuuuuuuuuuuuuuuuuuuuuuu"},
  };
  // clang-format on
  for (const auto& c : cases) {
    series.SetZOrder(c.lineZOrder);
    EXPECT_EQ(Colours(150, 0, 24), c.row) << c.lineZOrder;
  }
  EXPECT_EQ(chart.SeriesAt(0), &series);  // the list keeps its order
}

}  // namespace
}  // namespace chart
