// Line series drawing: segment colours, markers on top, null and off-range points, edges, stairs.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "PixelChart.h"
#include "chart/TLineSeries.h"

namespace chart {
namespace {

// A compact view of one recorded operation: kind, coordinates and the colour that matters.
struct Op {
  TCanvasOpKind kind;
  TRect box;
  TColor color;  // line: pen colour; rectangle: fill colour
  friend bool operator==(const Op&, const Op&) = default;
};

std::ostream& operator<<(std::ostream& os, const Op& op) {
  return os << static_cast<int>(op.kind) << " (" << op.box.Left << ", " << op.box.Top << ", "
            << op.box.Right << ", " << op.box.Bottom << ") #" << std::hex << op.color << std::dec;
}

std::vector<Op> Compact(const std::vector<TCanvasOp>& ops) {
  std::vector<Op> out;
  for (const TCanvasOp& op : ops)
    out.push_back(
        {op.Kind, op.Box, op.Kind == TCanvasOpKind::Line ? op.Pen.Color : op.Brush.Color});
  return out;
}

constexpr auto kLine = TCanvasOpKind::Line;
constexpr auto kRect = TCanvasOpKind::Rectangle;

// The 9 x 9 marker of a point at pixel (x, y).
Op Marker(int x, int y, TColor color) { return {kRect, {x - 4, y - 4, x + 5, y + 5}, color}; }
Op Segment(int x0, int y0, int x1, int y1, TColor color) {
  return {kLine, {x0, y0, x1, y1}, color};
}

class LineDraw : public ::testing::Test {
 protected:
  LineDraw() {
    series.SetSeriesColor(clBlue);
    series.Pointer().SetVisible(true);
    series.SetParentChart(&view.chart);
  }
  std::vector<Op> Draw() {
    view.Paint();
    return Compact(view.SeriesOps());
  }
  PixelChart view;
  TLineSeries series;
};

TEST_F(LineDraw, OnePointDrawsItsMarkerOnly) {
  series.AddPoint(100, 200, "", clGreen);
  EXPECT_EQ(Draw(), (std::vector<Op>{Marker(100, 50, clGreen)}));
  series.Pointer().SetVisible(false);
  EXPECT_TRUE(Draw().empty());
}

TEST_F(LineDraw, SegmentsTakeTheColourOfTheirEndAndMarkersLieOnTop) {
  series.AddPoint(100, 200, "", clGreen);
  series.AddPoint(200, 100, "", clRed);
  series.AddPoint(300, 200, "", clGreen);
  EXPECT_EQ(Draw(), (std::vector<Op>{
                        Segment(100, 50, 200, 150, clRed),
                        Marker(100, 50, clGreen),
                        Segment(200, 150, 300, 50, clGreen),
                        Marker(200, 150, clRed),
                        Marker(300, 50, clGreen),
                    }));
  // Markers have a black 1-pixel outline; lines use the line pen with the point's colour.
  for (const TCanvasOp& op : view.SeriesOps()) {
    if (op.Kind == kRect) {
      EXPECT_EQ(op.Pen.Color, clBlack);
    } else {
      EXPECT_EQ(op.Brush.Style, bsClear);
    }
  }
}

TEST_F(LineDraw, PointsWithoutColourTakeTheSeriesColour) {
  series.Pointer().SetVisible(false);
  series.AddPoint(0, 0, "", clNotSet);
  series.AddPoint(100, 100, "", clNotSet);
  EXPECT_EQ(Draw(), (std::vector<Op>{Segment(0, 250, 100, 150, clBlue)}));
}

TEST_F(LineDraw, DashDotBandLine) {
  series.Pointer().SetVisible(false);
  series.SetSeriesColor(0x400040);
  series.LinePen().SetStyle(psDashDot);
  series.AddPoint(0, 100);
  series.AddPoint(400, 100);
  view.Paint();
  const auto ops = view.SeriesOps();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].Pen.Style, psDashDot);
  EXPECT_EQ(ops[0].Pen.Width, 1);
  EXPECT_EQ(ops[0].Pen.Color, 0x400040u);
}

TEST_F(LineDraw, InvisibleLinePenClearsThePen) {
  series.LinePen().SetVisible(false);
  series.AddPoint(0, 0, "", clRed);
  series.AddPoint(100, 100, "", clRed);
  view.Paint();
  EXPECT_EQ(view.SeriesOps().at(0).Pen.Style, psClear);
}

TEST_F(LineDraw, NullPointBreaksTheLineOnBothSides) {
  series.AddPoint(100, 200, "", clGreen);
  series.AddNullPoint(200, 100, "");
  series.AddPoint(300, 200, "", clRed);
  series.AddPoint(350, 150, "", clRed);
  EXPECT_EQ(Draw(), (std::vector<Op>{
                        Marker(100, 50, clGreen),
                        Segment(300, 50, 350, 100, clRed),
                        Marker(300, 50, clRed),
                        Marker(350, 100, clRed),
                    }));
}

TEST_F(LineDraw, OffRangePointIsSkippedAndTheLineGoesOnFromTheLastDrawn) {
  series.AddPoint(100, 200, "", clGreen);
  series.AddPoint(200, 1e9, "", clRed);  // y pixel far beyond -32766
  series.AddPoint(300, 200, "", clGreen);
  // The marker of point 0 is redrawn in its own green, not in the skipped point's red.
  EXPECT_EQ(Draw(), (std::vector<Op>{
                        Segment(100, 50, 300, 50, clGreen),
                        Marker(100, 50, clGreen),
                        Marker(300, 50, clGreen),
                    }));
}

TEST_F(LineDraw, OffRangeLastPointLeavesThePreviousMarker) {
  series.AddPoint(100, 200, "", clGreen);
  series.AddPoint(200, 150, "", clRed);
  series.AddPoint(300, -1e9, "", clRed);
  EXPECT_EQ(Draw(), (std::vector<Op>{
                        Segment(100, 50, 200, 100, clRed),
                        Marker(100, 50, clGreen),
                        Marker(200, 100, clRed),
                    }));
}

TEST_F(LineDraw, OffRangeFirstPointLeavesNoLineFromAnEarlierPaint) {
  series.AddPoint(100, 200, "", clGreen);
  series.AddPoint(200, 200, "", clGreen);
  Draw();  // leaves the drawing state at point 1
  series.RemoveAllPoints();
  series.AddPoint(50, -1e9, "", clRed);
  series.AddPoint(150, 100, "", clRed);
  series.AddPoint(250, 100, "", clRed);
  EXPECT_EQ(Draw(), (std::vector<Op>{
                        Segment(150, 150, 250, 150, clRed),
                        Marker(150, 150, clRed),
                        Marker(250, 150, clRed),
                    }));
}

TEST_F(LineDraw, FirstVisiblePointJoinsTheLeftEdge) {
  view.SetRanges(100, 500, 0, 250);  // x pixel = X - 100
  series.AddPoint(50, 50, "", clGreen);
  series.AddPoint(150, 150, "", clRed);
  series.AddPoint(250, 100, "", clGreen);
  // The line from point 0 crosses the left edge (X = 100) at Y = 100, pixel y 150.
  EXPECT_EQ(Draw(), (std::vector<Op>{
                        Segment(0, 150, 50, 100, clRed),
                        Segment(50, 100, 150, 150, clGreen),
                        Marker(50, 100, clRed),
                        Marker(150, 150, clGreen),
                    }));
  EXPECT_EQ(series.FirstVisible(), 1);
  EXPECT_EQ(series.LastVisible(), 2);
}

TEST(LineDrawStart, FirstVisiblePointStartsAtTheEdgeOrAtItsNeighbour) {
  // X 100..500 on 400 pixels; points at X 50 (off the plot), 150 and 250. The segment into the
  // first visible point starts where the line from its left neighbour crosses the plot edge.
  struct Case {
    const char* what;
    std::function<void(PixelChart&, TLineSeries&)> set;
    std::vector<Op> ops;
  };
  const Case cases[] = {
      {"at the left edge",
       [](auto&, auto&) {},
       {Segment(0, 150, 50, 100, clRed), Segment(50, 100, 150, 150, clGreen),
        Marker(50, 100, clRed), Marker(150, 150, clGreen)}},
      {"area: at the neighbour itself",
       [](auto&, auto& s) { s.SetDrawArea(true); },
       {Segment(-50, 200, 50, 100, clRed), Segment(50, 100, 150, 150, clGreen),
        Marker(50, 100, clRed), Marker(150, 150, clGreen)}},
      {"stairs: at the neighbour's height",
       [](auto&, auto& s) { s.SetStairs(true); },
       {Segment(0, 200, 50, 200, clRed), Segment(50, 200, 50, 100, clRed),
        Segment(50, 100, 150, 100, clGreen), Segment(150, 100, 150, 150, clGreen),
        Marker(50, 100, clRed), Marker(150, 150, clGreen)}},
      {"inverted axis: at the right edge",
       [](auto& view, auto&) { view.chart.BottomAxis().SetInverted(true); },
       {Segment(400, 150, 350, 100, clRed), Segment(350, 100, 250, 150, clGreen),
        Marker(350, 100, clRed), Marker(250, 150, clGreen)}},
  };
  for (const Case& c : cases) {
    PixelChart view;
    view.SetRanges(100, 500, 0, 250);
    TLineSeries series;
    series.Pointer().SetVisible(true);
    series.SetParentChart(&view.chart);
    series.AddPoint(50, 50, "", clGreen);
    series.AddPoint(150, 150, "", clRed);
    series.AddPoint(250, 100, "", clGreen);
    c.set(view, series);
    view.Paint();
    EXPECT_EQ(Compact(view.SeriesOps()), c.ops) << c.what;
  }
}

TEST_F(LineDraw, NoEdgeSegmentFromANullPoint) {
  view.SetRanges(100, 500, 0, 250);
  series.AddNullPoint(50, 50, "");
  series.AddPoint(150, 150, "", clRed);
  EXPECT_EQ(Draw(), (std::vector<Op>{Marker(50, 100, clRed)}));
}

TEST_F(LineDraw, StairsDrawTwoLegsPerSegment) {
  series.Pointer().SetVisible(false);
  series.SetStairs(true);
  series.AddPoint(100, 200, "", clRed);
  series.AddPoint(200, 100, "", clRed);
  EXPECT_EQ(Draw(),
            (std::vector<Op>{Segment(100, 50, 200, 50, clRed), Segment(200, 50, 200, 150, clRed)}));
  series.SetInvertedStairs(true);
  EXPECT_EQ(Draw(), (std::vector<Op>{Segment(100, 50, 100, 150, clRed),
                                     Segment(100, 150, 200, 150, clRed)}));
}

TEST_F(LineDraw, EmptyOrInactiveSeriesDrawsNothing) {
  EXPECT_TRUE(Draw().empty());
  EXPECT_EQ(series.FirstVisible(), -1);
  EXPECT_EQ(series.LastVisible(), -1);
  series.AddPoint(100, 100);
  series.AddPoint(200, 100);
  series.SetActive(false);
  EXPECT_TRUE(Draw().empty());
}

TEST_F(LineDraw, LaterSeriesDrawOverEarlierOnes) {
  TLineSeries second;
  second.SetSeriesColor(clGreen);
  second.SetParentChart(&view.chart);
  series.Pointer().SetVisible(false);
  series.AddPoint(0, 100);
  series.AddPoint(400, 100);
  second.AddPoint(0, 50);
  second.AddPoint(400, 50);
  EXPECT_EQ(Draw(), (std::vector<Op>{Segment(0, 150, 400, 150, clBlue),
                                     Segment(0, 200, 400, 200, clGreen)}));
}

TEST(VisibleRange, Table) {
  const struct {
    double xMin, xMax;
    std::vector<double> xs;
    TChartListOrder order;
    int first, last;
  } cases[] = {
      {0, 400, {}, loAscending, -1, -1},
      {0, 400, {10, 20, 390}, loAscending, 0, 2},
      {100, 300, {10, 150, 250, 350, 450}, loAscending, 1, 3},  // keeps the first point beyond
      {100, 300, {10, 150, 300, 450}, loAscending, 1, 2},       // 300 lies on the edge
      {100, 300, {10, 20}, loAscending, -1, -1},                // all left of the range
      {100, 300, {500, 10, 20}, loNone, 0, 2},                  // unordered: every point
  };
  for (const auto& c : cases) {
    PixelChart view;
    view.SetRanges(c.xMin, c.xMax, 0, 250);
    TLineSeries s;
    s.XValues().SetOrder(c.order);
    s.SetParentChart(&view.chart);
    for (double x : c.xs) s.AddPoint(x, 10);
    view.Paint();
    EXPECT_EQ(s.FirstVisible(), c.first) << c.xMin << ".." << c.xMax;
    EXPECT_EQ(s.LastVisible(), c.last) << c.xMin << ".." << c.xMax;
  }
}

}  // namespace
}  // namespace chart
