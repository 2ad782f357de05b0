// The QPainter canvas at twice the size: every pixel of the image canvas becomes a 2 x 2 block
// (lines without their end pixel, outlines inside their rectangles, dashes twice as long), the
// caller's clip and painter state survive a paint, and text is measured as the image measures it.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>

#include "chart/qt/QImageCanvas.h"
#include "chart/qt/QPainterCanvas.h"
#include "tests/chart/Colours.h"
#include "tests/chart/GuiApplication.h"

namespace chart {
namespace {

using namespace colours;

// A 24 x 9 chart canvas drawn twice as large on a 48 x 18 image.
class QPainterCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureGuiApplication();
    image.fill(Qt::white);
    painter.begin(&image);
    painter.scale(2, 2);
    canvas.SetPainter(&painter);
    canvas.PrepareImage(24, 9);
  }
  void Done() {
    canvas.CopyToWindow();
    painter.end();
  }
  // 'x' where the pixel of the 2x image has the colour, '.' elsewhere.
  std::string Row(int y, QRgb color) const {
    std::string row;
    for (int x = 0; x < image.width(); ++x) row += image.pixel(x, y) == color ? 'x' : '.';
    return row;
  }
  std::string Column(int x, QRgb color) const {
    std::string column;
    for (int y = 0; y < image.height(); ++y) column += image.pixel(x, y) == color ? 'x' : '.';
    return column;
  }
  QImage image{48, 18, QImage::Format_RGB32};
  QPainter painter;
  QPainterCanvas canvas;
};

TEST_F(QPainterCanvasTest, LinesCoverTheImagesPixelsTwiceAsLarge) {
  canvas.Pen() = {clRed, psSolid, 1, false};
  canvas.Line(1, 2, 5, 2);    // rightwards: 1x pixels 1..4
  canvas.Line(9, 3, 5, 3);    // leftwards: 9..6
  canvas.Line(20, 1, 20, 5);  // downwards: 1..4
  Done();
  // clang-format off
  EXPECT_EQ(Row(4, kRed),     "..xxxxxxxx..............................xx......");
  EXPECT_EQ(Row(5, kRed),     "..xxxxxxxx..............................xx......");
  EXPECT_EQ(Row(6, kRed),     "............xxxxxxxx....................xx......");
  EXPECT_EQ(Row(7, kRed),     "............xxxxxxxx....................xx......");
  EXPECT_EQ(Column(40, kRed), "..xxxxxxxx........");
  EXPECT_EQ(Column(41, kRed), "..xxxxxxxx........");
  // clang-format on
}

TEST_F(QPainterCanvasTest, RectanglesWithAndWithoutPen) {
  canvas.Pen() = {clBlack, psSolid, 1, false};
  canvas.Brush() = {clBlue, bsSolid};
  canvas.Rectangle(1, 1, 6, 5);  // outline 1x x 1..5, y 1..4
  canvas.Pen().Style = psClear;
  canvas.Rectangle(10, 1, 15, 5);  // fill 1x x 10..13, y 1..3
  Done();
  // clang-format off
  EXPECT_EQ(Row(2, kBlack), "..xxxxxxxxxx....................................");
  EXPECT_EQ(Row(4, kBlack), "..xx......xx....................................");
  EXPECT_EQ(Row(4, kBlue),  "....xxxxxx..........xxxxxxxx....................");
  EXPECT_EQ(Row(8, kBlack), "..xxxxxxxxxx....................................");
  EXPECT_EQ(Row(8, kBlue),  "................................................");
  EXPECT_EQ(Column(21, kBlue), "..xxxxxx..........");
  // clang-format on
}

TEST_F(QPainterCanvasTest, DashesAreTwiceAsLongAndCarryOnAcrossJoinedLines) {
  canvas.Pen() = {clRed, psDashDot, 1, false};
  canvas.Line(0, 1, 21, 1);
  for (int x = 0; x < 21; x += 3) canvas.Line(x, 4, x + 3, 4);  // the same line in seven pieces
  canvas.Pen() = {clRed, psDot, 1, false};
  canvas.Line(0, 7, 24, 7);
  Done();
  // The image's "xxxxxxxxx......xxx..." and "xxx...xxx...", every pixel doubled.
  // clang-format off
  EXPECT_EQ(Row(2, kRed),  "xxxxxxxxxxxxxxxxxx............xxxxxx............");
  EXPECT_EQ(Row(8, kRed),  "xxxxxxxxxxxxxxxxxx............xxxxxx............");
  EXPECT_EQ(Row(14, kRed), "xxxxxx......xxxxxx......xxxxxx......xxxxxx......");
  // clang-format on
}

TEST_F(QPainterCanvasTest, ClipsInsideTheCallersClipAndLeavesThePainterAsFound) {
  canvas.CopyToWindow();                    // a paint that begins after the caller's clip
  painter.setClipRect(QRect(0, 0, 10, 9));  // 1x x 0..9
  const QTransform transform = painter.transform();
  canvas.PrepareImage(24, 9);
  canvas.Pen() = {clRed, psSolid, 1, false};
  canvas.ClipRectangle(TRect{5, 0, 20, 9});
  canvas.Line(0, 1, 24, 1);
  canvas.UnClipRectangle();
  canvas.Line(0, 3, 24, 3);
  canvas.CopyToWindow();
  EXPECT_EQ(painter.transform(), transform);
  EXPECT_EQ(painter.pen().color(), QColor(Qt::black)) << "the pen the painter began with";
  painter.fillRect(QRectF(0, 5, 24, 1), Qt::red);  // still inside the caller's clip
  painter.end();
  // clang-format off
  EXPECT_EQ(Row(2, kRed), "..........xxxxxxxxxx............................");
  EXPECT_EQ(Row(6, kRed), "xxxxxxxxxxxxxxxxxxxx............................");
  EXPECT_EQ(Row(10, kRed), "xxxxxxxxxxxxxxxxxxxx............................");
  // clang-format on
}

TEST_F(QPainterCanvasTest, MeasuresTextAsTheImageCanvasAndFitsItToThatWidth) {
  QImageCanvas pixels;
  for (const TCanvasFont& font :
       {TCanvasFont{"Arial", -11, clBlack, 0}, TCanvasFont{"Arial", -15, clBlue, 1}}) {
    canvas.Font() = pixels.Font() = font;
    for (const char* text : {"W", "Номер стимула", "0.25"}) {
      EXPECT_EQ(canvas.TextWidth(text), pixels.TextWidth(text)) << text;
      EXPECT_EQ(canvas.TextHeight(text), pixels.TextHeight(text)) << text;
    }
  }
  canvas.Font() = TCanvasFont{"Arial", -11, clBlack, 0};
  const int width = canvas.TextWidth("W");
  canvas.SetTextAlign(kAlignRight | kAlignTop);
  canvas.TextOut(22, 0, "W");
  Done();
  int left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) left = std::min(left, x), right = std::max(right, x);
  // The ink spans the measured width, twice as large, ending at the reference point.
  EXPECT_LE(right, 44);
  EXPECT_GE(right, 44 - 3);
  EXPECT_GE(left, 2 * (22 - width) - 1);
  EXPECT_LE(left, 2 * (22 - width) + 3);
}

}  // namespace
}  // namespace chart
