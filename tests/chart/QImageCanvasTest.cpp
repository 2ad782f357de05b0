// The QPainter canvas on a QImage: end pixels left out, rectangles right/bottom exclusive, dashes,
// clipping, text placement and the metric-compatible font.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <cmath>
#include <memory>
#include <string>

#include "chart/TChart.h"
#include "chart/TChartFont.h"
#include "chart/qt/QImageCanvas.h"
#include "tests/chart/Colours.h"
#include "tests/chart/GuiApplication.h"

namespace chart {
namespace {

class QImageCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureGuiApplication();
    canvas.PrepareImage(23, 17);
    canvas.Brush() = {clWhite, bsSolid};
    canvas.FillRect(TRect{0, 0, 23, 17});
  }
  const QImage& Done() {
    canvas.CopyToWindow();
    return canvas.Image();
  }
  // 'x' where the pixel has the colour, '.' elsewhere: a row as text, left to right.
  std::string Row(int y, QRgb color) {
    const QImage& image = canvas.Image();
    std::string row;
    for (int x = 0; x < image.width(); ++x) row += image.pixel(x, y) == color ? 'x' : '.';
    return row;
  }
  std::string Column(int x, QRgb color) {
    const QImage& image = canvas.Image();
    std::string column;
    for (int y = 0; y < image.height(); ++y) column += image.pixel(x, y) == color ? 'x' : '.';
    return column;
  }
  QImageCanvas canvas;
};

using namespace colours;

TEST_F(QImageCanvasTest, LinesLeaveOutTheirEndPixelInEveryDirection) {
  canvas.Pen() = {clRed, psSolid, 1, false};
  canvas.Line(2, 3, 8, 3);    // rightwards: 2..7
  canvas.Line(20, 5, 14, 5);  // leftwards: 20..15
  canvas.Line(1, 6, 1, 10);   // downwards: 6..9
  canvas.Line(3, 12, 3, 8);   // upwards: 12..9
  Done();
  EXPECT_EQ(Row(3, kRed), "..xxxxxx...............");
  EXPECT_EQ(Row(5, kRed), "...............xxxxxx..");
  EXPECT_EQ(Column(1, kRed), "......xxxx.......");
  EXPECT_EQ(Column(3, kRed), "...x.....xxxx....");  // y 3 from the first line, 12..9 upwards
}

TEST_F(QImageCanvasTest, DiagonalLineCoversOnePixelPerStepWithoutTheEnd) {
  canvas.Pen() = {clRed, psSolid, 1, false};
  canvas.Line(2, 2, 7, 7);
  Done();
  for (int i = 2; i < 7; ++i) EXPECT_EQ(canvas.Image().pixel(i, i), kRed) << i;
  EXPECT_NE(canvas.Image().pixel(7, 7), kRed);
}

TEST_F(QImageCanvasTest, RectangleIsRightAndBottomExclusive) {
  canvas.Pen() = {clBlack, psSolid, 1, false};
  canvas.Brush() = {clBlue, bsSolid};
  canvas.Rectangle(2, 3, 9, 8);  // outline x 2..8, y 3..7
  Done();
  EXPECT_EQ(Row(3, kBlack), "..xxxxxxx..............");
  EXPECT_EQ(Row(7, kBlack), "..xxxxxxx..............");
  EXPECT_EQ(Row(5, kBlack), "..x.....x..............");
  EXPECT_EQ(Row(5, kBlue), "...xxxxx...............");
  EXPECT_EQ(Column(5, kBlack), "...x...x.........");
}

TEST_F(QImageCanvasTest, RectangleWithoutPenFillsOnePixelLess) {
  canvas.Pen().Style = psClear;
  canvas.Brush() = {clBlue, bsSolid};
  canvas.Rectangle(2, 3, 9, 8);
  Done();
  EXPECT_EQ(Row(3, kBlue), "..xxxxxx...............");
  EXPECT_EQ(Column(4, kBlue), "...xxxx..........");
}

TEST_F(QImageCanvasTest, DottedAndDashDotPensFollowTheDevicePatterns) {
  canvas.Pen() = {clRed, psDot, 1, false};
  canvas.Line(0, 2, 23, 2);
  canvas.Pen() = {clRed, psDashDot, 1, false};
  canvas.Line(0, 4, 23, 4);
  canvas.Pen() = {clRed, psDot, 2, false};  // wider pens are solid
  canvas.Line(0, 8, 23, 8);
  Done();
  EXPECT_EQ(Row(2, kRed), "xxx...xxx...xxx...xxx..");
  EXPECT_EQ(Row(4, kRed), "xxxxxxxxx......xxx.....");
  EXPECT_EQ(Row(8, kRed), "xxxxxxxxxxxxxxxxxxxxxxx");
}

TEST_F(QImageCanvasTest, DashPatternCarriesOnAcrossJoinedLines) {
  // A line drawn as short joined pieces (as a series draws its segments) keeps the pattern going.
  canvas.Pen() = {clRed, psDashDot, 1, false};
  for (int x = 0; x < 21; x += 3) canvas.Line(x, 4, x + 3, 4);
  canvas.Line(0, 6, 3, 6);  // a new start begins the pattern afresh
  canvas.Line(3, 6, 6, 6);
  canvas.Line(10, 6, 13, 6);
  Done();
  EXPECT_EQ(Row(4, kRed), "xxxxxxxxx......xxx.....");
  EXPECT_EQ(Row(6, kRed), "xxxxxx....xxx..........");
}

TEST_F(QImageCanvasTest, ClipRectangleLimitsDrawingUntilRemoved) {
  canvas.Pen() = {clRed, psSolid, 1, false};
  canvas.ClipRectangle(TRect{5, 0, 10, 17});
  canvas.Line(0, 2, 23, 2);
  canvas.UnClipRectangle();
  canvas.Line(0, 4, 23, 4);
  Done();
  EXPECT_EQ(Row(2, kRed), ".....xxxxx.............");
  EXPECT_EQ(Row(4, kRed), "xxxxxxxxxxxxxxxxxxxxxxx");
}

TEST_F(QImageCanvasTest, SetPixelAndEllipseAndPolygon) {
  canvas.SetPixel(4, 4, clRed);
  canvas.Pen() = {clBlack, psSolid, 1, false};
  canvas.Brush() = {clBlue, bsSolid};
  const TCanvasPoint triangle[] = {{10, 12}, {18, 12}, {14, 4}};
  canvas.Polygon(triangle);
  Done();
  EXPECT_EQ(canvas.Image().pixel(4, 4), kRed);
  EXPECT_EQ(canvas.Image().pixel(14, 10), kBlue);   // inside the triangle
  EXPECT_EQ(canvas.Image().pixel(14, 12), kBlack);  // on its base
}

TEST_F(QImageCanvasTest, ArialResolvesToLiberationSansWithArialMetrics) {
  EXPECT_EQ(QImageCanvas::FamilyFor("Arial"), "Liberation Sans");
  EXPECT_EQ(QImageCanvas::FamilyFor("Courier New"), "Courier New");
  canvas.Font().Name = "Arial";
  // Arial's cell is about 1.15 em: 13 pixels for the 8-point (11-pixel) label font, 17 for the
  // 15-pixel title font.
  canvas.Font().Height = -11;
  EXPECT_EQ(canvas.FontHeight(), 13);
  canvas.Font().Height = -15;
  EXPECT_EQ(canvas.FontHeight(), 17);
  EXPECT_GT(canvas.TextWidth("WWW"), canvas.TextWidth("iii"));
}

TEST_F(QImageCanvasTest, WidthsAndHeightsFollowTheFontAsItChangesBackAndForth) {
  // Texts measured once are remembered per font: each answer must still be the current font's, as
  // Qt measures it.
  const TCanvasFont fonts[] = {{"Arial", -11, clBlack, 0},
                               {"Arial", -15, clBlack, 0},
                               {"Arial", -11, clRed, 0},
                               {"Arial", -11, clBlack, fsBold},
                               {"Courier New", -11, clBlack, 0}};
  for (int round = 0; round < 2; ++round)
    for (const TCanvasFont& font : fonts) {
      canvas.Font() = font;
      const QFontMetrics qt(QImageCanvas::QtFont(font));
      for (const char* text : {"0,85", "12345", "W"})
        EXPECT_EQ(canvas.TextWidth(text), qt.horizontalAdvance(text)) << font.Height << text;
      EXPECT_EQ(canvas.TextHeight("0"),
                static_cast<int>(std::ceil(QFontMetricsF(QImageCanvas::QtFont(font)).height())));
    }
}

TEST_F(QImageCanvasTest, TextAlignmentPlacesTheInkAroundTheReferencePoint) {
  canvas.PrepareImage(60, 40);
  canvas.Brush() = {clWhite, bsSolid};
  canvas.FillRect(TRect{0, 0, 60, 40});
  canvas.Font() = TCanvasFont{"Arial", -11, clBlack, 0};
  canvas.SetTextAlign(kAlignRight | kAlignBottom);
  canvas.TextOut(30, 20, "W");
  Done();
  int minX = 99, maxX = -1, minY = 99, maxY = -1;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x)
      if (canvas.Image().pixel(x, y) == kBlack) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
      }
  EXPECT_LT(maxX, 30);  // right-aligned: ink left of x
  EXPECT_GT(minX, 30 - canvas.TextWidth("W") - 2);
  EXPECT_LT(maxY, 20);  // bottom-aligned: ink above y
  EXPECT_GE(minY, 20 - canvas.FontHeight());
}

TEST(ChartOnImage, PanelBevelBackWallAndAxisLines) {
  EnsureGuiApplication();
  TChart chart;
  auto owned = std::make_unique<QImageCanvas>();
  QImageCanvas* canvas = owned.get();
  chart.SetCanvas(std::move(owned));
  chart.SetBounds(0, 0, 61, 41);
  chart.SetView3D(false);
  chart.Title().SetVisible(false);
  chart.Foot().SetVisible(false);
  chart.BackWall().Brush().SetColor(clWhite);
  chart.BackWall().SetColor(clWhite);
  for (TChartAxis* axis : {&chart.BottomAxis(), &chart.TopAxis(), &chart.RightAxis()})
    axis->SetVisible(false);
  chart.LeftAxis().SetLabels(false);
  chart.LeftAxis().Grid().SetVisible(false);
  for (int i = 0; i < 4; ++i) chart.SetMargin(i, 10);  // plot 6..55 x 4..37 before the axis
  chart.Paint();
  const QImage& image = canvas->Image();
  const TRect plot = chart.PlotRect();
  ASSERT_EQ(plot, (TRect{12, 4, 55, 37}));  // the left axis took 2 + 4 for line and ticks
  const int mid = (plot.Top + plot.Bottom) / 2;
  EXPECT_EQ(image.pixel(0, 20), 0xFFFFFFFF);        // raised bevel: light left edge
  EXPECT_EQ(image.pixel(60, 20), 0xFFA0A0A0);       // dark right edge
  EXPECT_EQ(image.pixel(3, 20), 0xFFF0F0F0);        // button-face panel
  EXPECT_EQ(image.pixel(plot.Right, mid), kBlack);  // the wall frame's right line on Right
  EXPECT_EQ(image.pixel(plot.Right + 1, mid), 0xFFF0F0F0);
  EXPECT_EQ(image.pixel(plot.Right - 1, mid), 0xFFFFFFFF);  // white inside
  EXPECT_EQ(image.pixel(30, plot.Bottom), kBlack);          // bottom frame line on Bottom
  EXPECT_EQ(image.pixel(30, plot.Top), kBlack);
  EXPECT_EQ(image.pixel(plot.Left - 1, mid), kBlack);  // the 2-pixel axis line over the frame
}

}  // namespace
}  // namespace chart
