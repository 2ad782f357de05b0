// Hit testing: marker boxes, exact pixels, segments, the visible range and the cursor layer.
#include <gtest/gtest.h>

#include <optional>

#include "PixelChart.h"
#include "chart/TLineSeries.h"

namespace chart {
namespace {

class HitTest : public ::testing::Test {
 protected:
  HitTest() { series.SetParentChart(&view.chart); }
  PixelChart view;
  TLineSeries series;
};

TEST_F(HitTest, MarkersAndSegmentsOfTheStimulusSeries) {
  series.Pointer().SetVisible(true);
  series.AddPoint(100, 200);  // pixel (100, 50)
  series.AddPoint(200, 100);  // pixel (200, 150)
  series.AddPoint(300, 200);  // pixel (300, 50)
  view.Paint();
  const struct {
    int x, y, index;
  } cases[] = {
      // clang-format off
      {100, 50, 0},  {103, 53, 0},   {97, 47, 0},   // inside the 7 x 7 box
      {104, 50, -1}, {100, 54, -1},  {96, 50, -1},  // offset 4: outside, and off the line
      {150, 100, 0},                                // on the segment 0-1: its left end
      {197, 147, 1},                                // box of point 1 before segment 0-1
      {250, 100, 1},                                // on the segment 1-2
      {300, 50, 2},  {250, 101, -1}, {0, 0, -1},
      // clang-format on
  };
  for (const auto& c : cases)
    EXPECT_EQ(series.PointAtPixel(c.x, c.y), c.index) << c.x << ", " << c.y;
}

TEST_F(HitTest, BandSeriesWithoutPointer) {
  // Seven points zig-zagging between pixel rows 150 and 100, 50 pixels apart.
  for (int i = 0; i < 7; ++i) series.AddPoint(20 + 50 * i, 100 + (i % 2) * 50);
  view.Paint();
  const struct {
    int x, y, index;
  } cases[] = {
      // clang-format off
      {245, 125, 4},   // on the line between points 4 (220, 150) and 5 (270, 100)
      {270, 100, 5},   // the pixel of point 5 itself comes before the segment ending there
      {271, 101, 5},   // on the segment 5-6
      {245, 126, -1},  // one pixel off the line
      {222, 150, -1},  // no marker box without a pointer
      {20, 150, 0},   {19, 150, -1},
      // clang-format on
  };
  for (const auto& c : cases)
    EXPECT_EQ(series.PointAtPixel(c.x, c.y), c.index) << c.x << ", " << c.y;
}

TEST_F(HitTest, StairsAreTestedAsDrawn) {
  series.SetStairs(true);
  series.AddPoint(100, 200);  // pixel (100, 50)
  series.AddPoint(200, 100);  // pixel (200, 150)
  view.Paint();
  EXPECT_EQ(series.PointAtPixel(150, 50), 0);    // the horizontal leg
  EXPECT_EQ(series.PointAtPixel(200, 100), 0);   // the vertical leg
  EXPECT_EQ(series.PointAtPixel(150, 100), -1);  // the diagonal is not drawn
}

TEST_F(HitTest, NothingBeforeTheFirstPaintOrWithoutPoints) {
  EXPECT_EQ(series.PointAtPixel(0, 0), -1);
  view.Paint();
  EXPECT_EQ(series.PointAtPixel(0, 250), -1);  // empty series
  series.AddPoint(0, 0);
  EXPECT_EQ(series.PointAtPixel(0, 250), -1);  // added after the last paint
  view.Paint();
  EXPECT_EQ(series.PointAtPixel(0, 250), 0);
  series.RemoveAllPoints();  // the visible range of the last paint is stale now
  EXPECT_EQ(series.PointAtPixel(0, 250), -1);
}

TEST_F(HitTest, ClickPointerFiresOnMarkerHitsOnly) {
  series.Pointer().SetVisible(true);
  series.AddPoint(100, 200);
  series.AddPoint(300, 200);
  view.Paint();
  int clicked = -1;
  series.OnClickPointer = [&](TCustomSeries&, int index, int, int) { clicked = index; };
  EXPECT_EQ(series.PointAtPixel(200, 50), 0);  // on the line
  EXPECT_EQ(clicked, -1);
  EXPECT_EQ(series.PointAtPixel(299, 51), 1);
  EXPECT_EQ(clicked, 1);
}

TEST_F(HitTest, PointUnderCursorUsesTheInjectedPosition) {
  series.Pointer().SetVisible(true);
  series.AddPoint(100, 200);
  view.Paint();
  EXPECT_EQ(series.PointUnderCursor(), -1);  // no cursor layer
  std::optional<TCanvasPoint> cursor = TCanvasPoint{102, 48};
  series.CursorClientPos = [&] { return cursor; };
  EXPECT_EQ(series.PointUnderCursor(), 0);
  cursor = TCanvasPoint{120, 48};
  EXPECT_EQ(series.PointUnderCursor(), -1);
  cursor.reset();  // the cursor position is not available
  EXPECT_EQ(series.PointUnderCursor(), -1);
}

}  // namespace
}  // namespace chart
