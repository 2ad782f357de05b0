// The chart panel: margins, title and foot blocks, normalisation, invalidation and clean repaints,
// measured on the recording canvas (a -h pixel font is h + 2 high and (h + 1) / 2 per character).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>

#include "chart/ChartException.h"
#include "chart/TChart.h"
#include "stroopchart/MainChartSetup.h"
#include "tests/support/RecordingCanvas.h"

namespace chart {
namespace {

using stroopchart::SetUpMainChart;
using stroopchart::TMainChartSeries;

class ChartLayout : public ::testing::Test {
 protected:
  ChartLayout() {
    auto owned = std::make_unique<RecordingCanvas>();
    canvas = owned.get();
    chart.SetCanvas(std::move(owned));
    chart.SetOnInvalidate([this] { ++invalidations; });
    chart.SetBounds(1, 1, 1023, 369);
    chart.SetView3D(false);
    chart.SetAxisVisible(false);
    chart.Title().Text().Clear();
    chart.Foot().SetVisible(false);
    invalidations = 0;
  }
  void SetMargins(int left, int top, int right, int bottom) {
    chart.SetMarginLeft(left);
    chart.SetMarginTop(top);
    chart.SetMarginRight(right);
    chart.SetMarginBottom(bottom);
  }
  TRect PaintAndGetPlotRect() {
    canvas->ClearOps();
    chart.Invalidate();
    chart.Paint();
    return chart.PlotRect();
  }
  int CountOps(TCanvasOpKind kind) const {
    int n = 0;
    for (const TCanvasOp& op : canvas->Ops()) n += op.Kind == kind;
    return n;
  }

  TChart chart;
  RecordingCanvas* canvas = nullptr;
  int invalidations = 0;
};

TEST_F(ChartLayout, MarginsArePercentagesRoundedLikeMulDiv) {
  struct Case {
    int left, top, right, bottom;
    TRect expected;
  };
  const Case cases[] = {
      {1, 2, 1, 2, {10, 7, 1013, 362}},        // the main window: 10.23, 7.38
      {3, 4, 3, 4, {31, 15, 992, 354}},        // defaults: 30.69, 14.76
      {0, 0, 0, 0, {0, 0, 1023, 369}},         //
      {50, 50, 50, 50, {512, 185, 513, 186}},  // crossed ends: one pixel past the start
  };
  for (const Case& c : cases) {
    SetMargins(c.left, c.top, c.right, c.bottom);
    EXPECT_EQ(PaintAndGetPlotRect(), c.expected) << c.left << "/" << c.top;
  }
}

TEST_F(ChartLayout, MarginIndexOrderIsLeftTopRightBottom) {
  for (int i = 0; i < 4; ++i) chart.SetMargin(i, i + 1);
  // 1 % of 1023, 2 % of 369, 3 % of 1023 (30.69), 4 % of 369 (14.76).
  EXPECT_EQ(PaintAndGetPlotRect(), (TRect{10, 7, 1023 - 31, 369 - 15}));
  EXPECT_THROW(chart.SetMargin(4, 1), runtime::EListError);
}

TEST_F(ChartLayout, TwoTitleLinesMoveThePlotTopByTwoLinesAndTheGap) {
  SetMargins(1, 2, 1, 2);
  const int before = PaintAndGetPlotRect().Top;
  chart.Title().Font().SetHeight(-15);  // 17 pixels high on the recording canvas
  chart.Title().Text().Add("first");
  chart.Title().Text().Add("second");
  EXPECT_EQ(PaintAndGetPlotRect().Top, before + 2 * 17 + 5);
}

TEST_F(ChartLayout, VisibleTitleWithoutLinesTakesNoRoom) {
  SetMargins(1, 2, 1, 2);
  chart.Title().SetVisible(false);
  const TRect without = PaintAndGetPlotRect();
  chart.Title().SetVisible(true);
  EXPECT_EQ(PaintAndGetPlotRect(), without);
}

TEST_F(ChartLayout, FootLinesMoveThePlotBottomUpAndDrawBottomUp) {
  SetMargins(1, 2, 1, 2);
  const int before = PaintAndGetPlotRect().Bottom;
  chart.Foot().SetVisible(true);
  chart.Foot().Font().SetHeight(-15);
  chart.Foot().Text().Clear();
  chart.Foot().Text().Add("upper");
  chart.Foot().Text().Add("lower");
  EXPECT_EQ(PaintAndGetPlotRect().Bottom, before - 2 * 17 - 5);
  std::vector<std::pair<std::string, int>> texts;
  for (const TCanvasOp& op : canvas->Ops())
    if (op.Kind == TCanvasOpKind::TextOut) texts.emplace_back(op.Text, op.Points[0].Y);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], std::make_pair(std::string("lower"), before - 17));
  EXPECT_EQ(texts[1], std::make_pair(std::string("upper"), before - 34));
}

TEST_F(ChartLayout, TitleLinesAreCentredFromTheStartRectangle) {
  SetMargins(1, 2, 1, 2);               // plot 10..1013, centre 511
  chart.Title().Font().SetHeight(-15);  // 8 pixels per character
  chart.Title().Text().Add("abcd");     // 32 wide
  chart.Title().SetAlignment(taCenter);
  PaintAndGetPlotRect();
  auto firstText = [&] {
    for (const TCanvasOp& op : canvas->Ops())
      if (op.Kind == TCanvasOpKind::TextOut) return op;
    return TCanvasOp{};
  };
  EXPECT_EQ(firstText().Points[0], (TCanvasPoint{511 - 16, 7}));
  chart.Title().SetAlignment(taLeftJustify);
  PaintAndGetPlotRect();
  EXPECT_EQ(firstText().Points[0].X, 10 + 8 / 2);  // half a "W" in
  chart.Title().SetAlignment(taRightJustify);
  PaintAndGetPlotRect();
  EXPECT_EQ(firstText().Points[0].X, 1013 - 32 - 4);
  EXPECT_EQ(firstText().Font.Color, clBlue);  // title fonts start blue
}

TEST_F(ChartLayout, TitleFrameAndBrushDrawAFittedRectangle) {
  SetMargins(1, 2, 1, 2);
  chart.Title().Font().SetHeight(-15);
  chart.Title().Text().Add("abcd");
  chart.Title().Frame().SetVisible(true);  // black, 1 pixel
  chart.Title().Brush().SetColor(clYellow);
  const int top = PaintAndGetPlotRect().Top;
  ASSERT_EQ(CountOps(TCanvasOpKind::Rectangle), 2);  // the title, then the back wall
  const TCanvasOp& box =
      *std::find_if(canvas->Ops().begin(), canvas->Ops().end(),
                    [](const TCanvasOp& op) { return op.Kind == TCanvasOpKind::Rectangle; });
  // "W" + "abcd" = 40 wide around the centre 511; lines start one frame width in.
  EXPECT_EQ(box.Box, (TRect{491, 7, 531, 7 + 1 + 17 + 1}));
  EXPECT_EQ(box.Brush, (TCanvasBrush{clYellow, bsSolid}));
  EXPECT_EQ(top, 7 + 1 + 17 + 1 + 5);
  EXPECT_EQ(chart.Title().Color(), clYellow);  // a solid brush colour becomes the block colour
}

TEST_F(ChartLayout, BackWallFramesThePlotRectangleInclusive) {
  SetMargins(1, 2, 1, 2);
  chart.SetBackColor(clWhite);
  PaintAndGetPlotRect();
  const TCanvasOp* wall = nullptr;
  for (const TCanvasOp& op : canvas->Ops())
    if (op.Kind == TCanvasOpKind::Rectangle) wall = &op;
  ASSERT_NE(wall, nullptr);
  EXPECT_EQ(wall->Box, (TRect{10, 7, 1014, 363}));
  EXPECT_EQ(wall->Brush, (TCanvasBrush{clWhite, bsSolid}));
  EXPECT_EQ(wall->Pen.Color, clBlack);
}

TEST_F(ChartLayout, BackColorMakesTheWallBrushSolidExceptWhileLoading) {
  EXPECT_EQ(chart.BackWall().Brush().Style(), bsClear);
  chart.SetLoading(true);
  chart.SetBackColor(clWhite);
  chart.SetLoading(false);
  EXPECT_EQ(chart.BackWall().Brush().Style(), bsClear);
  EXPECT_EQ(chart.BackColor(), clWhite);
  chart.SetBackColor(clSilver);
  EXPECT_EQ(chart.BackWall().Brush().Style(), bsSolid);
  TChart other;
  other.BackWall().Brush().SetColor(clWhite);  // the stored form's way
  EXPECT_EQ(other.BackWall().Brush().Style(), bsSolid);
}

TEST_F(ChartLayout, EveryChangeInvalidatesOnceAndEqualValuesNotAtAll) {
  struct Case {
    const char* what;
    std::function<void()> change;
    int expected;
  };
  const Case cases[] = {
      {"margin", [&] { chart.SetMarginLeft(7); }, 1},
      {"same margin", [&] { chart.SetMarginLeft(7); }, 0},
      {"colour", [&] { chart.SetColor(clWhite); }, 1},
      {"title line", [&] { chart.Title().Text().Add("x"); }, 1},
      {"title clear", [&] { chart.Title().Text().Clear(); }, 1},
      {"foot line", [&] { chart.Foot().Text().Add("x"); }, 1},
      {"title font", [&] { chart.Title().Font().SetHeight(-15); }, 1},
      {"same font", [&] { chart.Title().Font().SetHeight(-15); }, 0},
      {"wall pen", [&] { chart.BackWall().Pen().SetWidth(2); }, 1},
      {"axis caption", [&] { chart.BottomAxis().Title().SetCaption("a"); }, 1},
      {"same caption", [&] { chart.BottomAxis().Title().SetCaption("a"); }, 0},
      {"axis grid", [&] { chart.LeftAxis().Grid().SetVisible(false); }, 1},
      {"automatic", [&] { chart.LeftAxis().SetAutomatic(false); }, 1},
      {"same automatic", [&] { chart.LeftAxis().SetAutomatic(false); }, 0},
      {"wall brush", [&] { chart.BackWall().Brush().SetColor(clRed); }, 1},
      {"same wall brush", [&] { chart.BackWall().Brush().SetColor(clRed); }, 0},
      {"labels font", [&] { chart.LeftAxis().LabelsFont().SetColor(clRed); }, 1},
      {"legend", [&] { chart.Legend().SetVisible(false); }, 1},
      {"3-D percent", [&] { chart.SetChart3DPercent(20); }, 1},
  };
  for (const Case& c : cases) {
    invalidations = 0;
    c.change();
    EXPECT_EQ(invalidations, c.expected) << c.what;
  }
}

TEST_F(ChartLayout, CleanImageRepaintOnlyCopies) {
  chart.Paint();
  EXPECT_FALSE(chart.ImageDirty());
  const std::size_t fullPaint = canvas->Ops().size();
  EXPECT_GT(fullPaint, 2u);
  canvas->ClearOps();
  chart.Paint();
  ASSERT_EQ(canvas->Ops().size(), 1u);
  EXPECT_EQ(canvas->Ops()[0].Kind, TCanvasOpKind::CopyToWindow);
  chart.Title().Text().Add("again");
  EXPECT_TRUE(chart.ImageDirty());
  canvas->ClearOps();
  chart.Paint();
  EXPECT_GT(canvas->Ops().size(), fullPaint);  // laid out and drawn afresh, with the new line
}

TEST_F(ChartLayout, PaintOrderBackgroundTitleWallAxesThenReset) {
  chart.SetAxisVisible(true);
  chart.Title().Text().Add("t");
  chart.Paint();
  const auto& ops = canvas->Ops();
  ASSERT_GE(ops.size(), 4u);
  EXPECT_EQ(ops.front().Kind, TCanvasOpKind::PrepareImage);
  EXPECT_EQ(ops[1].Kind, TCanvasOpKind::FillRect);  // panel colour over the bounds
  EXPECT_EQ(ops[1].Box, (TRect{0, 0, 1023, 369}));
  EXPECT_EQ(ops[1].Brush.Color, clBtnFace);
  EXPECT_EQ(ops.back().Kind, TCanvasOpKind::CopyToWindow);
  std::string order;
  for (const TCanvasOp& op : ops) {
    if (op.Kind == TCanvasOpKind::TextOut && op.Text == "t") order += "T";
    if (op.Kind == TCanvasOpKind::Rectangle) order += "W";
    if (op.Kind == TCanvasOpKind::Line && op.Pen.Width == 2) order += "A";  // axis lines
  }
  EXPECT_EQ(order.substr(0, 3), "TWA");
  EXPECT_EQ(canvas->Font(), TCanvasFont{});  // the canvas is reset at the end
}

TEST_F(ChartLayout, RaisedBevelLightTopLeftDarkBottomRight) {
  chart.Paint();
  std::vector<TCanvasOp> lines;
  for (const TCanvasOp& op : canvas->Ops())
    if (op.Kind == TCanvasOpKind::Line && lines.size() < 4) lines.push_back(op);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].Box, (TRect{0, 368, 0, 0}));
  EXPECT_EQ(lines[1].Box, (TRect{0, 0, 1022, 0}));
  EXPECT_EQ(lines[0].Pen.Color, clBtnHighlight);
  EXPECT_EQ(lines[2].Box, (TRect{1022, 0, 1022, 368}));
  EXPECT_EQ(lines[3].Box, (TRect{1022, 368, -1, 368}));
  EXPECT_EQ(lines[3].Pen.Color, clBtnShadow);
}

TEST_F(ChartLayout, RefusedSettingsRaiseAndKeepTheValue) {
  struct Case {
    std::function<void()> set;
    const char* message;
  };
  const Case cases[] = {
      {[&] { chart.SetChart3DPercent(0); }, "3D effect percent must be between 1 and 100"},
      {[&] { chart.SetChart3DPercent(101); }, "3D effect percent must be between 1 and 100"},
      {[&] { chart.SetMaxPointsPerPage(-1); }, "MaxPointsPerPage must be >= 0"},
  };
  for (const Case& c : cases) {
    try {
      c.set();
      ADD_FAILURE() << "no error for " << c.message;
    } catch (const ChartException& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  EXPECT_EQ(chart.Chart3DPercent(), 15);
  EXPECT_EQ(chart.MaxPointsPerPage(), 0);
}

TEST_F(ChartLayout, NothingIsInvalidatedBeforeConstructionEnds) {
  // Construction itself sets many values; a host attached afterwards has seen no callback, and
  // the first paint is a full one.
  TChart fresh;
  int calls = 0;
  fresh.SetOnInvalidate([&] { ++calls; });
  EXPECT_EQ(calls, 0);
  EXPECT_TRUE(fresh.ImageDirty());
}

TEST(MainChartLayout, EveryStepTakesItsRoomInOrder) {
  TChart chart;
  TMainChartSeries series;
  SetUpMainChart(chart, series);
  auto owned = std::make_unique<RecordingCanvas>();
  RecordingCanvas* canvas = owned.get();
  chart.SetCanvas(std::move(owned));
  for (int c = 1; c <= 10; ++c) series.Series5sec.AddPoint(c, 0.5 + (c - 1) / 9.0, "", clGreen);
  for (int pass = 0; pass < 2; ++pass) {  // the second layout measures with the first's lengths
    chart.Invalidate();
    chart.Paint();
    // Margins 10 / 7 / 10 / 7 of 1023 x 369; two 17-pixel title lines and the gap (7 + 39);
    // one foot line and the gap (362 - 22); bottom axis: 15-pixel title, 13-pixel labels and
    // 6 for ticks (340 - 34); left axis: 15-pixel rotated title, "1" or "2" plus a space, 6.
    EXPECT_EQ(chart.PlotRect(), (TRect{43, 46, 1013, 306})) << pass;
    EXPECT_EQ(chart.BottomAxis().TitleEdge(), 325);
    EXPECT_EQ(chart.BottomAxis().LabelsEdge(), 312);
    EXPECT_EQ(chart.LeftAxis().TitleEdge(), 25);
    EXPECT_EQ(chart.LeftAxis().LabelsEdge(), 37);
  }
  EXPECT_FALSE(chart.IsAxisShown(chart.TopAxis()));
  EXPECT_FALSE(chart.IsAxisShown(chart.RightAxis()));
  EXPECT_FALSE(chart.IsAxisShown(chart.DepthAxis()));
  // Series margins widen the bottom range so that stimuli 1 and 10 sit 5 pixels inside.
  EXPECT_EQ(chart.BottomAxis().ValueToPixel(1), 48);
  EXPECT_EQ(chart.BottomAxis().ValueToPixel(10), 1008);
  // The bottom labels skip both ends; the left axis title is rotated along its axis.
  bool rotatedTitle = false;
  for (const TCanvasOp& op : canvas->Ops())
    if (op.Kind == TCanvasOpKind::RotatedTextOut) {
      rotatedTitle = true;
      EXPECT_EQ(op.Angle, 90);
      EXPECT_EQ(op.Points[0], (TCanvasPoint{25, (46 + 306) / 2}));
      EXPECT_EQ(op.TextAlign, kAlignCenter | kAlignBottom);
    }
  EXPECT_TRUE(rotatedTitle);
}

TEST(MainChartLayout, AxesFollowOnlyTheActiveSeriesOrElseTheInactiveOnes) {
  TChart chart;
  chart.SetCanvas(std::make_unique<RecordingCanvas>());
  TMainChartSeries series;
  SetUpMainChart(chart, series);
  series.Series5sec.AddPoint(1, 3);
  series.Series5sec.AddPoint(2, 7);
  series.Series5secAv.AddPoint(0, 9);
  series.Series5secAv.AddPoint(5, 9);
  TChartAxis& left = chart.LeftAxis();
  left.AdjustMaxMin();
  EXPECT_EQ(left.Minimum(), 3);
  EXPECT_EQ(left.Maximum(), 9);
  series.Series5secAv.SetActive(false);
  left.AdjustMaxMin();
  EXPECT_EQ(left.Maximum(), 7);
  for (TLineSeries* s : {&series.Series5sec, &series.Series5sec2Dp, &series.Series5sec2Dm})
    s->SetActive(false);
  chart.BottomAxis().AdjustMaxMin();  // no active series: the inactive ones decide
  EXPECT_EQ(chart.BottomAxis().Minimum(), 0);
  EXPECT_EQ(chart.BottomAxis().Maximum(), 5);
  // With no series drawn against axes every axis shows.
  EXPECT_TRUE(chart.IsAxisShown(chart.TopAxis()));
  series.Series5sec.RemoveAllPoints();
  series.Series5secAv.RemoveAllPoints();
  chart.BottomAxis().AdjustMaxMin();
  EXPECT_EQ(chart.BottomAxis().Minimum(), 0);
  EXPECT_EQ(chart.BottomAxis().Maximum(), 0);
}

TEST(MainChartLayout, FixedEndsAreNotWidenedBySeriesMargins) {
  TChart chart;
  chart.SetCanvas(std::make_unique<RecordingCanvas>());
  TMainChartSeries series;
  SetUpMainChart(chart, series);
  for (int c = 1; c <= 10; ++c) series.Series5sec.AddPoint(c, c);
  chart.LeftAxis().SetAutomaticMaximum(false);
  chart.LeftAxis().SetMaximum(10);
  chart.Paint();
  const TChartAxis& left = chart.LeftAxis();
  EXPECT_EQ(left.ScaleMax(), 10);  // the top margin needs an automatic maximum
  EXPECT_EQ(left.ValueToPixel(10), left.PixelStart());
  EXPECT_EQ(left.ValueToPixel(1), left.PixelEnd() - 5);
}

TEST(ChartExtremes, HugeInfiniteAndNaNValuesStillFinishThePaint) {
  const double inf = std::numeric_limits<double>::infinity();
  const double cases[][2] = {{-1e308, 1e308},      {0, inf},         {-inf, inf}, {0, std::nan("")},
                             {1e20, 1e20 + 16384}, {-5e-324, 5e-324}};
  for (const auto& c : cases) {
    TChart chart;
    chart.SetCanvas(std::make_unique<RecordingCanvas>());
    TMainChartSeries series;
    SetUpMainChart(chart, series);
    series.Series5sec.AddPoint(1, c[0], "", clGreen);
    series.Series5sec.AddPoint(2, c[1], "", clRed);
    chart.Paint();
    chart.Invalidate();
    chart.Paint();  // the second layout measures labels with the first one's lengths
    EXPECT_FALSE(chart.ImageDirty()) << c[0] << " " << c[1];
    EXPECT_LE(chart.LeftAxis().TickPositions().size(), static_cast<std::size_t>(kMaxAxisTicks));
  }
}

TEST(ChartSize, AChartWithoutSizeStillPaints) {
  TChart chart;
  chart.SetCanvas(std::make_unique<RecordingCanvas>());
  chart.SetBounds(0, 0, 0, 0);
  chart.Title().Text().Add("t");
  chart.Paint();
  EXPECT_GE(chart.PlotRect().Width(), 1);
  EXPECT_GE(chart.PlotRect().Height(), 1);
}

TEST(ChartCursor, FirstSeriesWithACursorAndAPointThereWins) {
  TChart chart;
  chart.SetCanvas(std::make_unique<RecordingCanvas>());
  TMainChartSeries series;
  SetUpMainChart(chart, series);
  for (int c = 1; c <= 3; ++c) series.Series5sec.AddPoint(c, c);
  chart.Paint();
  std::vector<std::pair<int, int>> moves;
  chart.OnMouseMove = [&](int x, int y) { moves.emplace_back(x, y); };
  const int x = series.Series5sec.ScreenX(1);
  const int y = series.Series5sec.ScreenY(1);
  chart.MouseMove(x, y);
  EXPECT_EQ(chart.Cursor(), 0);  // the series has no cursor of its own
  series.Series5sec.SetCursor(-21);
  chart.MouseMove(x, y);
  EXPECT_EQ(chart.Cursor(), -21);
  chart.MouseMove(chart.PlotRect().Left + 1, chart.PlotRect().Top + 1);
  EXPECT_EQ(chart.Cursor(), 0);
  EXPECT_EQ(moves.size(), 3u);
}

}  // namespace
}  // namespace chart
