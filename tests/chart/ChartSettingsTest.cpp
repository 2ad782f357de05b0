// Pens, brush and font: the five pen defaults, selecting chart pens into a canvas, the brush's
// clear-to-solid rule, point sizes as pixel heights, and the title/wall/axis defaults.
#include <gtest/gtest.h>

#include <tuple>

#include "chart/TChart.h"
#include "chart/TChartBrush.h"
#include "chart/TChartFont.h"
#include "chart/TChartPen.h"
#include "tests/support/RecordingCanvas.h"

namespace chart {
namespace {

TEST(ChartPen, ClassesDifferOnlyInTheirDefaults) {
  const TChartPen plain;
  const TChartHiddenPen hidden;
  const TDarkGrayPen dark;
  const TDottedGrayPen dotted;
  const TChartAxisPen axis;
  const std::tuple<const char*, const TChartPen*, TColor, TPenStyle, int, bool> cases[] = {
      {"TChartPen", &plain, clBlack, psSolid, 1, true},
      {"TChartHiddenPen", &hidden, clBlack, psSolid, 1, false},
      {"TDarkGrayPen", &dark, 0x808080, psSolid, 1, true},
      {"TDottedGrayPen", &dotted, 0x808080, psDot, 1, true},
      {"TChartAxisPen", &axis, clBlack, psSolid, 2, true},
  };
  for (const auto& [name, pen, color, style, width, visible] : cases) {
    EXPECT_EQ(pen->Color(), color) << name;
    EXPECT_EQ(pen->Style(), style) << name;
    EXPECT_EQ(pen->Width(), width) << name;
    EXPECT_EQ(pen->Visible(), visible) << name;
    EXPECT_FALSE(pen->SmallDots()) << name;
  }
}

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
  EXPECT_EQ(font.Name(), "Arial");
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Size(), 8);
  const int cases[][2] = {{8, -11}, {10, -13}, {12, -16}, {11, -15}, {9, -12}};
  for (const auto& c : cases) {
    font.SetSize(c[0]);
    EXPECT_EQ(font.Height(), c[1]) << c[0];
    EXPECT_EQ(font.Size(), c[0]) << c[0];
  }
}

TEST(ChartDefaults, PanelTitlesWallsAndAxesAsConstructed) {
  TChart chart;
  EXPECT_EQ(chart.Width(), 400);
  EXPECT_EQ(chart.Height(), 250);
  EXPECT_EQ(chart.MarginLeft(), 3);
  EXPECT_EQ(chart.MarginTop(), 4);
  EXPECT_EQ(chart.Chart3DPercent(), 15);
  EXPECT_TRUE(chart.View3D());
  EXPECT_EQ(chart.Color(), clBtnFace);
  EXPECT_EQ(chart.BevelOuter(), bvRaised);
  EXPECT_EQ(chart.Title().Font().Color(), clBlue);
  EXPECT_EQ(chart.Foot().Font().Color(), clBlue);
  EXPECT_EQ(chart.Title().Alignment(), taCenter);
  EXPECT_FALSE(chart.Title().Frame().Visible());
  EXPECT_EQ(chart.BackWall().Brush().Style(), bsClear);
  EXPECT_EQ(chart.LeftWall().Color(), 0x80FFFFu);
  EXPECT_EQ(chart.BottomWall().Color(), clWhite);
  EXPECT_EQ(&chart.Frame(), &chart.BackWall().Pen());
  EXPECT_EQ(chart.LeftAxis().Title().Angle(), 90);
  EXPECT_EQ(chart.RightAxis().Title().Angle(), 270);
  EXPECT_EQ(chart.BottomAxis().Title().Angle(), 0);
  EXPECT_FALSE(chart.DepthAxis().Visible());
  EXPECT_TRUE(chart.TopAxis().OtherSide());
  EXPECT_TRUE(chart.RightAxis().OtherSide());
  const TChartAxis& axis = chart.BottomAxis();
  EXPECT_EQ(axis.AxisValuesFormat(), "#,##0.###");
  EXPECT_EQ(axis.TickLength(), 4);
  EXPECT_EQ(axis.MinorTickLength(), 2);
  EXPECT_EQ(axis.MinorTickCount(), 3);
  EXPECT_EQ(axis.LabelsSeparation(), 10);
  EXPECT_EQ(axis.EndPosition(), 100);
  EXPECT_TRUE(axis.TickOnLabelsOnly());
  EXPECT_FALSE(axis.MinorGrid().Visible());
}

}  // namespace
}  // namespace chart
