// Pens, brush and font: selecting chart pens into a canvas, change notifications, the brush's
// clear-to-solid rule, point sizes as pixel heights, and a chart as constructed by what it draws.
#include <gtest/gtest.h>

#include <memory>

#include "chart/TChart.h"
#include "chart/TChartBrush.h"
#include "chart/TChartFont.h"
#include "chart/TChartPen.h"
#include "chart/TLineSeries.h"
#include "tests/support/RecordingCanvas.h"

namespace chart {
namespace {

TEST(ChartPen, SelectingIntoTheCanvas) {
  RecordingCanvas canvas;
  TChartPen pen;
  pen.SetColor(clRed);
  pen.SetStyle(psDashDot);
  canvas.AssignChartPen(pen);
  EXPECT_EQ(canvas.Pen(), (TCanvasPen{clRed, psDashDot, 1, false}));
  pen.SetSmallDots(true);
  canvas.AssignChartPen(pen);
  EXPECT_TRUE(canvas.Pen().SmallDots);
  pen.SetWidth(2);  // alternate pixels exist for 1-pixel pens only
  canvas.AssignChartPen(pen);
  EXPECT_EQ(canvas.Pen(), (TCanvasPen{clRed, psDashDot, 2, false}));
  pen.SetVisible(false);
  canvas.AssignChartPen(pen);
  EXPECT_EQ(canvas.Pen().Style, psClear);
}

TEST(ChartPen, ChangesNotifyOnceAndEqualValuesNever) {
  TChartPen pen;
  int changes = 0;
  pen.SetOnChange([&] { ++changes; });
  pen.SetWidth(1);
  pen.SetColor(clBlack);
  EXPECT_EQ(changes, 0);
  pen.SetWidth(3);
  EXPECT_EQ(changes, 1);
  TChartAxisPen other;
  pen.Assign(other);  // 3 -> 2 wide: one notification
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(pen.Width(), 2);
  pen.Assign(other);
  EXPECT_EQ(changes, 2);
}

TEST(ChartBrush, AColourMakesAClearBrushSolid) {
  TChartBrush brush(bsClear);
  EXPECT_EQ(brush.Color(), clNotSet);
  brush.SetColor(clWhite);
  EXPECT_EQ(brush.Style(), bsSolid);
  brush.SetStyle(bsCross);
  brush.SetColor(clRed);
  EXPECT_EQ(brush.Style(), bsCross);  // only a clear brush is switched
}

TEST(ChartFont, PointSizesArePixelHeightsAtNinetySixDotsPerInch) {
  TChartFont font;
  EXPECT_EQ(font.Size(), 8);
  const int cases[][2] = {{8, -11}, {10, -13}, {12, -16}, {11, -15}, {9, -12}};
  for (const auto& c : cases) {
    font.SetSize(c[0]);
    EXPECT_EQ(font.Height(), c[1]) << c[0];
    EXPECT_EQ(font.Size(), c[0]) << c[0];
  }
}

// A chart as constructed, painted on the recording canvas.
class ChartAsMade : public ::testing::Test {
 protected:
  ChartAsMade() {
    auto owned = std::make_unique<RecordingCanvas>();
    canvas = owned.get();
    chart.SetCanvas(std::move(owned));
  }
  const TCanvasOp* FindLine(const TRect& box) const {
    for (const TCanvasOp& op : canvas->Ops())
      if (op.Kind == TCanvasOpKind::Line && op.Box == box) return &op;
    return nullptr;
  }
  const TCanvasOp* First(TCanvasOpKind kind) const {
    for (const TCanvasOp& op : canvas->Ops())
      if (op.Kind == kind) return &op;
    return nullptr;
  }

  TChart chart;
  RecordingCanvas* canvas = nullptr;
};

TEST_F(ChartAsMade, AButtonFacePanelOf400By250WithAHollowFramedWall) {
  chart.SetAxisVisible(false);
  chart.Paint();
  ASSERT_NE(First(TCanvasOpKind::PrepareImage), nullptr);
  EXPECT_EQ(First(TCanvasOpKind::PrepareImage)->Box, (TRect{0, 0, 400, 250}));
  EXPECT_EQ(First(TCanvasOpKind::FillRect)->Brush, (TCanvasBrush{clBtnFace, bsSolid}));
  // Margins 3 / 4 / 3 / 4 percent: 12 of 400 across, 10 of 250 down.
  EXPECT_EQ(chart.PlotRect(), (TRect{12, 10, 388, 240}));
  const TCanvasOp* wall = First(TCanvasOpKind::Rectangle);  // titles without frames draw none
  ASSERT_NE(wall, nullptr);
  EXPECT_EQ(wall->Box, (TRect{12, 10, 389, 241}));
  EXPECT_EQ(wall->Brush.Style, bsClear);
  EXPECT_EQ(wall->Pen, (TCanvasPen{clBlack, psSolid, 1, false}));
  // The chart's frame is the wall's pen.
  TChartPen red;
  red.SetColor(clRed);
  chart.SetFrame(red);
  canvas->ClearOps();
  chart.Paint();
  EXPECT_EQ(First(TCanvasOpKind::Rectangle)->Pen.Color, clRed);
}

TEST_F(ChartAsMade, AxisLineTicksGridAndMinorTicksInTheirPens) {
  TLineSeries series;
  series.SetParentChart(&chart);
  series.AddPoint(0, 0);
  series.AddPoint(10, 10);
  chart.Paint();
  const TChartAxis& bottom = chart.BottomAxis();
  const int x0 = bottom.PixelStart(), x1 = bottom.PixelEnd(), y = bottom.AxisLinePos();
  ASSERT_GE(bottom.TickPositions().size(), 2u);
  const int tick = bottom.TickPositions()[1];
  const TRect& plot = chart.PlotRect();
  struct Case {
    const char* what;
    TRect box;
    TCanvasPen pen;
  };
  const Case cases[] = {
      // clang-format off
      {"axis line",            {x0, y, x1, y},                      {clBlack, psSolid, 2, false}},
      {"tick, 4 long",         {tick, y + 1, tick, y + 5},          {clGray, psSolid, 1, false}},
      {"grid across the plot", {tick, plot.Top, tick, plot.Bottom}, {clGray, psDot, 1, false}},
      // clang-format on
  };
  for (const Case& c : cases) {
    const TCanvasOp* line = FindLine(c.box);
    ASSERT_NE(line, nullptr) << c.what;
    EXPECT_EQ(line->Pen, c.pen) << c.what;
  }
  // Minor ticks: 2 long in the tick pen, three per gap; no minor grid lines.
  int minor = 0;
  for (const TCanvasOp& op : canvas->Ops()) {
    if (op.Kind != TCanvasOpKind::Line || op.Box.Left != op.Box.Right) continue;
    if (op.Box.Top == y + 1 && op.Box.Bottom == y + 3) {
      ++minor;
      EXPECT_EQ(op.Pen, (TCanvasPen{clGray, psSolid, 1, false}));
    }
    const bool acrossThePlot = op.Box.Top == plot.Top && op.Box.Bottom == plot.Bottom;
    if (acrossThePlot && op.Box.Left != chart.LeftAxis().AxisLinePos()) {
      EXPECT_EQ(op.Pen.Style, psDot) << "only the grid crosses the plot, at x " << op.Box.Left;
    }
  }
  EXPECT_EQ(minor % 3, 0);
  EXPECT_GE(minor, 3 * static_cast<int>(bottom.TickPositions().size() - 1));
  // Labels in "Arial", 8 points (11 pixels), black.
  const TCanvasOp* label = First(TCanvasOpKind::TextOut);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Font, (TCanvasFont{"Arial", -11, clBlack, 0}));
}

TEST_F(ChartAsMade, AxesOnTheirSidesTitlesTurnedAlongThemTextBlue) {
  // Without series every axis shows, except the depth axis, even though the chart is 3-D.
  const char* names[] = {"bottom", "top", "left", "right"};
  TChartAxis* axes[] = {&chart.BottomAxis(), &chart.TopAxis(), &chart.LeftAxis(),
                        &chart.RightAxis()};
  for (int i = 0; i < 4; ++i) axes[i]->Title().SetCaption(names[i]);
  chart.Title().Text().Add("title");
  chart.Foot().Text().Add("foot");
  ASSERT_TRUE(chart.View3D());
  EXPECT_FALSE(chart.IsAxisShown(chart.DepthAxis()));
  chart.Paint();
  const TRect& plot = chart.PlotRect();
  const int lines[] = {plot.Bottom, plot.Top, plot.Left, plot.Right};
  const int angles[] = {0, 0, 90, 270};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(axes[i]->AxisLinePos(), lines[i]) << names[i];
    int angle = -1;
    for (const TCanvasOp& op : canvas->Ops())
      if (op.Text == names[i]) angle = op.Kind == TCanvasOpKind::RotatedTextOut ? op.Angle : 0;
    EXPECT_EQ(angle, angles[i]) << names[i];
  }
  for (const TCanvasOp& op : canvas->Ops()) {
    if (op.Text != "title" && op.Text != "foot") continue;
    EXPECT_EQ(op.Font.Color, clBlue) << op.Text;
    // Centred: "title" and "foot" are 30 and 24 wide at 6 pixels a character.
    const int width = static_cast<int>(op.Text.size()) * 6;
    EXPECT_EQ(op.Points[0].X, (12 + 388) / 2 - width / 2) << op.Text;
  }
}

}  // namespace
}  // namespace chart
