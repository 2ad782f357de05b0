// Series points: AddPoint ordering, labels, colours, clearing, deleting, statistics, chart joining.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "chart/TChart.h"
#include "chart/TChartSeries.h"
#include "chart/TLineSeries.h"
#include "runtime/Errors.h"
#include "tests/support/RecordingCanvas.h"

namespace chart {
namespace {

std::vector<double> Xs(const TChartSeries& s) {
  std::vector<double> v;
  for (int i = 0; i < s.PointCount(); ++i) v.push_back(s.PointX(i));
  return v;
}

TEST(AddPoint, AscendingXKeepsColumnsTogether) {
  TLineSeries s;
  EXPECT_EQ(s.AddPoint(3, 30, "c", clRed), 0);
  EXPECT_EQ(s.AddPoint(1, 10, "a", clGreen), 0);
  EXPECT_EQ(s.AddPoint(2, 20, "", clBlue), 1);
  EXPECT_EQ(Xs(s), (std::vector<double>{1, 2, 3}));
  const struct {
    double y;
    const char* label;
    TColor color;
  } expected[] = {{10, "a", clGreen}, {20, "", clBlue}, {30, "c", clRed}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(s.PointY(i), expected[i].y);
    EXPECT_EQ(s.PointLabel(i), expected[i].label);
    EXPECT_EQ(s.PointColor(i), expected[i].color);
  }
}

TEST(AddPoint, EqualXGoesAfterAndUnorderedKeepsArrival) {
  TLineSeries s;
  s.AddPoint(1, 0);
  s.AddPoint(2, 0);
  EXPECT_EQ(s.AddPoint(1, 5), 1);  // old index 0 + 1
  EXPECT_EQ(s.PointY(1), 5);

  TLineSeries u;
  u.XValues().SetOrder(loNone);
  for (double x : {3, 1, 2}) u.AddPoint(x, 0);
  EXPECT_EQ(Xs(u), (std::vector<double>{3, 1, 2}));
}

TEST(AddPoint, NextAndNullPoints) {
  TLineSeries s;
  EXPECT_EQ(s.AddNextPoint(7), 0);
  EXPECT_EQ(s.AddNextPoint(8), 1);
  EXPECT_EQ(s.AddNullPoint("gap"), 2);
  EXPECT_EQ(s.AddNullPoint(10, 1, ""), 3);
  EXPECT_EQ(Xs(s), (std::vector<double>{0, 1, 2, 10}));
  EXPECT_FALSE(s.IsNullPoint(1));
  EXPECT_TRUE(s.IsNullPoint(2));
  EXPECT_EQ(s.PointColor(3), clNone);
  EXPECT_EQ(s.PointLabel(2), "gap");
  // Null points count in the statistics like any other point.
  EXPECT_EQ(s.LowestY(), 0);
  EXPECT_EQ(s.HighestY(), 8);
}

TEST(AddPoint, RefusedByBeforeAddStoresNothing) {
  TLineSeries s;
  int afterAdd = -1;
  s.OnBeforeAdd = [](TChartSeries& series) { return series.XValues().PendingValue < 10; };
  s.OnAfterAdd = [&](TChartSeries&, int index) { afterAdd = index; };
  EXPECT_EQ(s.AddPoint(20, 1), -1);
  EXPECT_EQ(s.PointCount(), 0);
  EXPECT_EQ(afterAdd, -1);
  EXPECT_EQ(s.AddPoint(5, 1), 0);
  EXPECT_EQ(afterAdd, 0);
}

TEST(PointLabel, EmptyForNoLabelAndBeyondTheEnd) {
  TLineSeries s;
  s.AddPoint(1, 1, "", clNotSet);
  s.AddPoint(2, 1, "x", clNotSet);
  EXPECT_EQ(s.PointLabel(0), "");
  EXPECT_EQ(s.PointLabel(1), "x");
  EXPECT_EQ(s.PointLabel(2), "");
  EXPECT_EQ(s.PointLabel(-1), "");
}

TEST(PointColor, Rules) {
  TLineSeries s;
  s.SetSeriesColor(0x400040);
  s.AddPoint(0, 0, "", clNotSet);
  s.AddPoint(1, 0, "", clGreen);
  s.AddPoint(2, 0, "", clNone);
  for (int i = 3; i <= 17; ++i) s.AddPoint(i, 0, "", clNotSet);
  const struct {
    bool eachPoint;
    int index;
    TColor color;
  } cases[] = {
      // clang-format off
      {false, 0, 0x400040},   // not set: the series colour
      {false, 1, clGreen},    // a stored colour wins
      {false, 2, clNone},     // a null point reports clNone
      {false, 99, 0x400040},  // beyond the points: the series colour
      {true, 0, 0x0000FF},    // palette entry 0, red
      {true, 1, clGreen},    {true, 2, clNone},    {true, 3, 0xFF0000},  // entry 3, blue
      {true, 13, 0xC0C0C0},                                              // entry 13, silver
      {true, 16, 0x0000FF},                                              // 16 mod 16 = 0
      {true, 17, 0x008000},  {true, 99, 0x400040},
      // clang-format on
  };
  for (const auto& c : cases) {
    if (c.eachPoint) s.SetColorEachPoint(true);  // switching it off would forget stored colours
    EXPECT_EQ(s.PointColor(c.index), c.color) << c.eachPoint << " " << c.index;
  }
  EXPECT_EQ(PaletteColor(-1), 0x000000u);  // non-negative remainder: entry 15
}

TEST(PointColor, SwitchingColorEachPointOffForgetsStoredColours) {
  TLineSeries s;
  s.SetSeriesColor(clBlue);
  s.AddPoint(0, 0, "", clGreen);
  s.SetColorEachPoint(true);
  EXPECT_EQ(s.PointColor(0), clGreen);
  s.SetColorEachPoint(false);
  EXPECT_EQ(s.PointColor(0), clBlue);
}

TEST(RemoveAllPoints, EmptiesEverythingAndFiresOnce) {
  TLineSeries s;
  int cleared = 0;
  s.OnClearValues = [&](TChartSeries&) { ++cleared; };
  s.AddPoint(1, 5, "a", clRed);
  s.AddPoint(2, -3, "b", clRed);
  EXPECT_EQ(s.LowestY(), -3);
  s.RemoveAllPoints();
  EXPECT_EQ(s.PointCount(), 0);
  EXPECT_EQ(s.LowestY(), 0);
  EXPECT_EQ(s.HighestY(), 0);
  EXPECT_EQ(s.PointLabel(0), "");
  EXPECT_EQ(cleared, 1);
}

TEST(Multiplier, ScalesReadsNotOrder) {
  TLineSeries s;
  s.YValues().SetMultiplier(2);
  s.AddPoint(1, 3);
  s.AddPoint(2, 5);
  EXPECT_EQ(s.PointY(0), 6);
  EXPECT_EQ(s.HighestY(), 10);
  EXPECT_EQ(s.YValues().Values()[1], 5);
}

TEST(DeleteAndExchange, MoveEveryColumnAndCheckIndices) {
  TLineSeries s;
  s.XValues().SetOrder(loNone);
  s.AddPoint(1, 10, "a", clRed);
  s.AddPoint(2, 20, "b", clGreen);
  s.AddPoint(3, 30, "", clBlue);
  s.ExchangePoints(0, 2);
  EXPECT_EQ(Xs(s), (std::vector<double>{3, 2, 1}));
  EXPECT_EQ(s.PointY(0), 30);
  EXPECT_EQ(s.PointLabel(2), "a");
  EXPECT_EQ(s.PointColor(0), clBlue);
  s.DeletePoint(1);
  EXPECT_EQ(Xs(s), (std::vector<double>{3, 1}));
  EXPECT_EQ(s.PointLabel(1), "a");
  EXPECT_EQ(s.PointColor(1), clRed);
  EXPECT_THROW(s.DeletePoint(2), runtime::EListError);
  EXPECT_THROW(s.ExchangePoints(0, 5), runtime::EListError);
  EXPECT_THROW(s.PointX(-1), runtime::EListError);
  EXPECT_EQ(s.PointCount(), 2);
  EXPECT_EQ(s.PointY(0), 30);
}

TEST(SortValues, SortsEveryColumnByX) {
  TLineSeries s;
  s.XValues().SetOrder(loNone);
  s.AddPoint(3, 30, "c", clRed);
  s.AddPoint(1, 10, "a", clGreen);
  s.AddPoint(2, 20, "b", clBlue);
  s.XValues().SetOrder(loAscending);
  s.XValues().SortValues();
  EXPECT_EQ(Xs(s), (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(s.PointLabel(0), "a");
  EXPECT_EQ(s.PointY(2), 30);
  EXPECT_EQ(s.PointColor(1), clBlue);
}

class SeriesInChart : public ::testing::Test {
 protected:
  SeriesInChart() {
    chart.SetCanvas(std::make_unique<RecordingCanvas>());
    chart.SetOnInvalidate([this] { ++invalidations; });
  }
  TChart chart;
  int invalidations = 0;
};

TEST_F(SeriesInChart, JoiningResolvesAxesAndTakesAFreePaletteColour) {
  TLineSeries a, b, c;
  a.SetSeriesColor(clRed);  // palette entry 0 is taken
  a.SetParentChart(&chart);
  b.SetParentChart(&chart);
  c.SetParentChart(&chart);
  EXPECT_EQ(b.SeriesColor(), clGreen);
  EXPECT_EQ(c.SeriesColor(), 0x00FFFFu);  // yellow, the next free entry
  EXPECT_EQ(chart.CountSeries(), 3);
  EXPECT_EQ(chart.SeriesAt(1), &b);
  EXPECT_EQ(a.HorzAxisObj(), &chart.BottomAxis());
  EXPECT_EQ(a.VertAxisObj(), &chart.LeftAxis());
  a.SetHorizAxis(aTopAxis);
  a.SetVertAxis(aRightAxis);
  EXPECT_EQ(a.HorzAxisObj(), &chart.TopAxis());
  EXPECT_EQ(a.VertAxisObj(), &chart.RightAxis());
  a.SetParentChart(&chart);  // already there: not added twice
  EXPECT_EQ(chart.CountSeries(), 3);
}

TEST_F(SeriesInChart, AxesTheSeriesIsDrawnAgainstAndTheAxesShown) {
  // B, T, L, R: bottom, top, left, right. A custom choice without a custom axis falls back to
  // the bottom or left axis; "both" shows the two axes of that direction.
  struct Case {
    THorizAxis horiz;
    TVertAxis vert;
    bool customAxes;  // the top and right axes given as the custom ones
    std::string drawnAgainst, shown;
  };
  const Case cases[] = {
      // clang-format off
      {aBottomAxis,      aLeftAxis,       false, "BL", "BL"},
      {aTopAxis,         aRightAxis,      false, "TR", "TR"},
      {aBothHorizAxis,   aLeftAxis,       false, "BL", "BTL"},
      {aBottomAxis,      aBothVertAxis,   false, "BL", "BLR"},
      {aCustomHorizAxis, aCustomVertAxis, false, "BL", "BL"},
      {aCustomHorizAxis, aCustomVertAxis, true,  "TR", "TR"},
      // clang-format on
  };
  const std::pair<char, TChartAxis*> axes[] = {{'B', &chart.BottomAxis()},
                                               {'T', &chart.TopAxis()},
                                               {'L', &chart.LeftAxis()},
                                               {'R', &chart.RightAxis()}};
  auto name = [&](const TChartAxis* axis) {
    for (const auto& [letter, a] : axes)
      if (a == axis) return std::string(1, letter);
    return std::string("?");
  };
  for (const Case& c : cases) {
    TLineSeries s;
    s.AddPoint(1, 1);
    s.SetParentChart(&chart);
    if (c.customAxes) {
      s.SetCustomHorizAxis(&chart.TopAxis());
      s.SetCustomVertAxis(&chart.RightAxis());
    }
    s.SetHorizAxis(c.horiz);
    s.SetVertAxis(c.vert);
    EXPECT_EQ(name(s.HorzAxisObj()) + name(s.VertAxisObj()), c.drawnAgainst);
    std::string shown;
    for (const auto& [letter, axis] : axes)
      if (chart.IsAxisShown(*axis)) shown += letter;
    EXPECT_EQ(shown, c.shown) << c.drawnAgainst;
  }
}

TEST_F(SeriesInChart, LeavingOnDestruction) {
  {
    TLineSeries s;
    s.SetParentChart(&chart);
    EXPECT_EQ(chart.CountSeries(), 1);
  }
  EXPECT_EQ(chart.CountSeries(), 0);
}

TEST(SeriesLifetime, ChartGoingFirstDetachesItsSeries) {
  TLineSeries s;
  auto chart = std::make_unique<TChart>();
  s.SetParentChart(chart.get());
  s.AddPoint(1, 1);
  chart.reset();
  EXPECT_EQ(s.ParentChart(), nullptr);
  EXPECT_EQ(s.HorzAxisObj(), nullptr);
  s.AddPoint(2, 2);  // no chart left to repaint
  s.RemoveAllPoints();
  EXPECT_EQ(s.PointAtPixel(0, 0), -1);
}

TEST_F(SeriesInChart, ChangesRepaintOnlyWhenSomethingChanged) {
  TLineSeries s;
  s.SetSeriesColor(clRed);
  s.SetParentChart(&chart);
  const struct {
    const char* what;
    std::function<void()> action;
    int repaints;
  } cases[] = {
      {"add a point", [&] { s.AddPoint(1, 1); }, 1},
      {"same colour", [&] { s.SetSeriesColor(clRed); }, 0},
      {"new colour", [&] { s.SetSeriesColor(clBlue); }, 1},
      {"pointer size", [&] { s.Pointer().SetHorizSize(5); }, 1},
      {"same pointer size", [&] { s.Pointer().SetHorizSize(5); }, 0},
      {"line pen style", [&] { s.LinePen().SetStyle(psDashDot); }, 1},
      {"marks arrow", [&] { s.Marks().SetArrowLength(0); }, 1},
      {"multiplier", [&] { s.YValues().SetMultiplier(2); }, 1},
      {"same multiplier", [&] { s.YValues().SetMultiplier(2); }, 0},
      {"date-time", [&] { s.XValues().SetDateTime(true); }, 1},
      {"same date-time", [&] { s.XValues().SetDateTime(true); }, 0},
      {"vertical axis", [&] { s.SetVertAxis(aRightAxis); }, 1},
      {"same vertical axis", [&] { s.SetVertAxis(aRightAxis); }, 0},
      {"order only", [&] { s.XValues().SetOrder(loNone); }, 0},
      {"clear", [&] { s.RemoveAllPoints(); }, 1},
  };
  for (const auto& c : cases) {
    chart.Paint();  // a clean image, so every Invalidate is counted
    invalidations = 0;
    c.action();
    EXPECT_EQ(invalidations > 0 ? 1 : 0, c.repaints) << c.what;
  }
}

TEST_F(SeriesInChart, InactiveSeriesAddsWithoutRepaint) {
  TLineSeries s;
  s.SetParentChart(&chart);
  s.SetActive(false);
  chart.Paint();
  invalidations = 0;
  s.AddPoint(1, 1);
  EXPECT_EQ(invalidations, 0);
}

}  // namespace
}  // namespace chart
