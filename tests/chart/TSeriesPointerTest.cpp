// Markers: every shape's primitives, colours, the size check, the hit box and the axis margins.
#include <gtest/gtest.h>

#include <vector>

#include "chart/ChartException.h"
#include "chart/TLineSeries.h"
#include "chart/TSeriesPointer.h"
#include "tests/support/RecordingCanvas.h"

namespace chart {
namespace {

using Points = std::vector<TCanvasPoint>;

// The marker of a point at (100, 50), default half-sizes 4, fill colour green.
std::vector<TCanvasOp> DrawOne(TSeriesPointerStyle style) {
  TLineSeries s;
  s.Pointer().SetVisible(true);
  s.Pointer().SetStyle(style);
  RecordingCanvas canvas;
  s.DrawMarker(canvas, 100, 50, clGreen, 0);
  return canvas.Ops();
}

TEST(DrawPointerShape, RectangleCoversNineByNine) {
  const auto ops = DrawOne(psRectangle);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].Kind, TCanvasOpKind::Rectangle);
  EXPECT_EQ(ops[0].Box, (TRect{96, 46, 105, 55}));  // x 96..104, y 46..54; right/bottom exclusive
  EXPECT_EQ(ops[0].Pen.Color, clBlack);
  EXPECT_EQ(ops[0].Pen.Width, 1);
  EXPECT_EQ(ops[0].Pen.Style, psSolid);
  EXPECT_EQ(ops[0].Brush.Color, clGreen);
  EXPECT_EQ(ops[0].Brush.Style, bsSolid);
}

TEST(DrawPointerShape, EveryStyle) {
  const struct {
    TSeriesPointerStyle style;
    std::vector<TCanvasOpKind> kinds;
    std::vector<TRect> boxes;    // rectangle, ellipse, lines
    std::vector<Points> shapes;  // polygons, pixels
  } cases[] = {
      // clang-format off
      {psCircle, {TCanvasOpKind::Ellipse}, {{96, 46, 104, 54}}, {}},
      {psTriangle, {TCanvasOpKind::Polygon}, {}, {{{96, 54}, {104, 54}, {100, 46}}}},
      {psDownTriangle, {TCanvasOpKind::Polygon}, {}, {{{96, 46}, {104, 46}, {100, 54}}}},
      // clang-format on
      {psCross,
       // clang-format off
       {TCanvasOpKind::Line, TCanvasOpKind::Line},
       {{100, 46, 100, 55}, {96, 50, 105, 50}},
       {}},
      // clang-format on
      {psDiagCross,
       // clang-format off
       {TCanvasOpKind::Line, TCanvasOpKind::Line},
       {{96, 46, 105, 55}, {104, 46, 95, 55}},
       {}},
      // clang-format on
      {psStar,
       // clang-format off
       {TCanvasOpKind::Line, TCanvasOpKind::Line, TCanvasOpKind::Line, TCanvasOpKind::Line},
       {{100, 46, 100, 55}, {96, 50, 105, 50}, {96, 46, 105, 55}, {104, 46, 95, 55}},
       {}},
      {psDiamond, {TCanvasOpKind::Polygon}, {}, {{{96, 50}, {100, 46}, {104, 50}, {100, 54}}}},
      {psSmallDot, {TCanvasOpKind::SetPixel}, {}, {{{100, 50}}}},
      // clang-format on
  };
  for (const auto& c : cases) {
    const auto ops = DrawOne(c.style);
    SCOPED_TRACE(static_cast<int>(c.style));
    ASSERT_EQ(ops.size(), c.kinds.size());
    std::size_t box = 0, shape = 0;
    for (std::size_t k = 0; k < ops.size(); ++k) {
      EXPECT_EQ(ops[k].Kind, c.kinds[k]);
      if (ops[k].Kind == TCanvasOpKind::Polygon || ops[k].Kind == TCanvasOpKind::SetPixel)
        EXPECT_EQ(ops[k].Points, c.shapes[shape++]);
      else
        EXPECT_EQ(ops[k].Box, c.boxes[box++]);
      // Crosses and dots are drawn in the point's colour, filled shapes outlined in black.
      if (ops[k].Kind == TCanvasOpKind::Line) {
        EXPECT_EQ(ops[k].Pen.Color, clGreen);
      } else if (ops[k].Kind == TCanvasOpKind::SetPixel) {
        EXPECT_EQ(ops[k].Color, clGreen);
      } else if (ops[k].Kind == TCanvasOpKind::Polygon) {
        EXPECT_EQ(ops[k].Pen.Color, clBlack);
      }
    }
  }
}

TEST(ApplyPointerColors, SetColoursWinOverThePointColour) {
  TLineSeries s;
  s.Pointer().Pen().SetColor(clNotSet);
  s.Pointer().Brush().SetColor(clYellow);
  RecordingCanvas canvas;
  s.DrawMarker(canvas, 10, 10, clRed, 0);
  EXPECT_EQ(canvas.Ops()[0].Pen.Color, clRed);       // pen not set: the point colour
  EXPECT_EQ(canvas.Ops()[0].Brush.Color, clYellow);  // brush set: its own colour

  s.Pointer().Pen().SetVisible(false);
  s.Pointer().Brush().SetStyle(bsClear);
  canvas.ClearOps();
  s.DrawMarker(canvas, 10, 10, clRed, 0);
  EXPECT_EQ(canvas.Ops()[0].Pen.Style, psClear);
  EXPECT_EQ(canvas.Ops()[0].Brush.Style, bsClear);
}

TEST(DrawMarker, ShapeEventOverridesStyle) {
  TLineSeries s;
  s.OnGetPointerStyle = [](TCustomSeries&, int index) {
    return index == 1 ? psSmallDot : psRectangle;
  };
  RecordingCanvas canvas;
  s.DrawMarker(canvas, 5, 5, clRed, 0);
  s.DrawMarker(canvas, 5, 5, clRed, 1);
  EXPECT_EQ(canvas.Ops()[0].Kind, TCanvasOpKind::Rectangle);
  EXPECT_EQ(canvas.Ops()[1].Kind, TCanvasOpKind::SetPixel);
}

TEST(TSeriesPointer, SizeBelowOneIsRefusedAndKept) {
  TLineSeries s;
  for (int bad : {0, -3}) {
    try {
      s.Pointer().SetHorizSize(bad);
      ADD_FAILURE() << "no error for " << bad;
    } catch (const ChartException& e) {
      EXPECT_EQ(e.Message(), "Pointer size must be greater than zero");
    }
    EXPECT_THROW(s.Pointer().SetVertSize(bad), ChartException);
  }
  EXPECT_EQ(s.Pointer().HorizSize(), 4);
  EXPECT_EQ(s.Pointer().VertSize(), 4);
  s.Pointer().SetHorizSize(1);
  EXPECT_EQ(s.Pointer().HorizSize(), 1);
}

TEST(PointerHit, SensitiveBoxIsSevenBySeven) {
  TLineSeries s;
  const struct {
    int dx, dy;
    bool hit;
  } cases[] = {{0, 0, true},  {3, 3, true},  {-3, -3, true}, {3, -3, true},
               {4, 0, false}, {0, 4, false}, {-4, 0, false}, {0, -4, false}};
  for (const auto& c : cases)
    EXPECT_EQ(s.PointerHit(0, 100, 50, 100 + c.dx, 50 + c.dy), c.hit) << c.dx << ", " << c.dy;
  EXPECT_FALSE(s.PointerHit(0, -2147483647, 50, 100, 50));  // the difference overflows an int
  s.Pointer().SetHorizSize(2);
  EXPECT_FALSE(s.PointerHit(0, 100, 50, 102, 50));
  EXPECT_TRUE(s.PointerHit(0, 100, 50, 101, 53));
}

TEST(SeriesMargins, Table) {
  const struct {
    bool pointerVisible, inflate, stairs;
    int penWidth, lineHeight, left, right, top, bottom;
  } cases[] = {
      {true, true, false, 1, 0, 5, 5, 5, 5},   // the stimulus series: marker size + 1
      {false, true, false, 1, 0, 0, 0, 0, 0},  // the band series
      {true, false, false, 1, 0, 0, 0, 0, 0},
      {false, true, true, 3, 0, 3, 3, 3, 4},  // steps ask for the pen width, one more below
      {true, true, true, 9, 0, 9, 9, 9, 10},
      {false, true, false, 1, 7, 0, 0, 0, 7},  // a 3-D ribbon height below
  };
  for (const auto& c : cases) {
    TLineSeries s;
    s.Pointer().SetVisible(c.pointerVisible);
    s.Pointer().SetInflateMargins(c.inflate);
    s.SetStairs(c.stairs);
    s.LinePen().SetWidth(c.penWidth);
    s.SetLineHeight(c.lineHeight);
    int left = -1, right = -1, top = -1, bottom = -1;
    s.GetHorizMargins(left, right);
    s.GetVertMargins(top, bottom);
    EXPECT_EQ((std::vector<int>{left, right, top, bottom}),
              (std::vector<int>{c.left, c.right, c.top, c.bottom}));
  }
}

}  // namespace
}  // namespace chart
