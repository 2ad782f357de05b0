// Axis settings by their effect: the room an axis takes, where its ends lie, the lines it draws and
// the labels it writes, one setting per row against the recording canvas (an 11-pixel label font is
// 13 high and 6 per character, a 13-pixel title font 15 high).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "chart/TChart.h"
#include "chart/TLineSeries.h"
#include "tests/support/RecordingCanvas.h"

namespace chart {
namespace {

class AxisSettings : public ::testing::Test {
 protected:
  // Fixes the range and the pixel extent of an axis as a layout would.
  void Place(TChartAxis& axis, double min, double max, const TRect& plot) {
    axis.SetAutomatic(false);
    axis.SetMinMax(min, max);
    axis.AdjustMaxMin();
    axis.CalcPixelEnds(plot);
  }
  std::vector<TRect> LinesIn(TColor color) const {
    std::vector<TRect> lines;
    for (const TCanvasOp& op : canvas.Ops())
      if (op.Kind == TCanvasOpKind::Line && op.Pen.Color == color) lines.push_back(op.Box);
    return lines;
  }

  TChart chart;
  RecordingCanvas canvas;
};

TEST_F(AxisSettings, RoomTakenForTitleLabelsAndTicks) {
  // On {100, 0, 500, 300}, range 0..39.5 in steps of 2: a left axis takes its 15-pixel title,
  // labels "38" / "0" plus a space (18) and ticks 2 + 4; a bottom axis its title, one 13-pixel
  // label line and the ticks.
  struct Case {
    const char* what;
    char axis;  // 'L'eft or 'B'ottom
    std::function<void(TChartAxis&)> set;
    int titleEdge, labelsEdge, edge;
  };
  const Case cases[] = {
      // clang-format off
      {"left, as made",        'L', [](auto&) {},                                 115, 133, 139},
      {"title size 20",        'L', [](auto& a) { a.SetTitleSize(20); },          120, 138, 144},
      {"labels size 30",       'L', [](auto& a) { a.SetLabelsSize(30); },         115, 145, 151},
      {"no labels",            'L', [](auto& a) { a.SetLabels(false); },          115,   0, 121},
      {"labels along",         'L', [](auto& a) { a.SetLabelsAngle(90); },        115, 128, 134},
      {"\"39.5\" not \"38\"",  'L', [](auto& a) { a.SetRoundFirstLabel(false); }, 115, 145, 151},
      {"ticks 10 long",        'L', [](auto& a) { a.SetTickLength(10); },         115, 133, 145},
      {"no ticks",             'L', [](auto& a) { a.Ticks().SetVisible(false); }, 115, 133, 135},
      {"no axis line",         'L', [](auto& a) { a.Axis().SetVisible(false); },  115, 133, 137},
      {"axis line 3 wide",     'L', [](auto& a) { a.Axis().SetWidth(3); },        115, 133, 140},
      {"minor ticks 9 long",   'L', [](auto& a) { a.SetMinorTickLength(9); },     115, 133, 142},
      {"10 % of 400 in",       'L', [](auto& a) { a.SetPositionPercent(10); },    155, 173, 139},
      {"bottom, as made",      'B', [](auto&) {},                                 285, 272, 266},
      {"10 % of 300 up",       'B', [](auto& a) { a.SetPositionPercent(10); },    255, 242, 266},
      // clang-format on
  };
  for (const Case& c : cases) {
    TChart fresh;
    TChartAxis& axis = c.axis == 'B' ? fresh.BottomAxis() : fresh.LeftAxis();
    axis.Title().SetCaption("t");
    axis.Title().Font().SetHeight(-13);
    axis.SetLabelStyle(talValue);
    c.set(axis);
    Place(axis, 0, 39.5, TRect{100, 0, 500, 300});
    TRect room{100, 0, 500, 300};
    axis.CalcRect(canvas, room);
    EXPECT_EQ(axis.TitleEdge(), c.titleEdge) << c.what;
    EXPECT_EQ(axis.LabelsEdge(), c.labelsEdge) << c.what;
    EXPECT_EQ(c.axis == 'B' ? room.Bottom : room.Left, c.edge) << c.what;
  }
}

TEST_F(AxisSettings, StartAndEndPositionsArePercentagesOfThePlot) {
  // Range 0..100 on a plot 400 wide from x 100, or 50 wide from x 0 where halves round to even.
  struct Case {
    double start, end;
    int plotWidth;
    int pixelStart, pixelEnd, pixelOf50;
  };
  const Case cases[] = {
      {0, 100, 400, 100, 500, 300},  // the whole width
      {10, 90, 400, 140, 460, 300},  //
      {12.5, 100, 400, 150, 500, 325},
      {0, 50, 400, 100, 300, 200},  // half the plot holds the whole range
      {1, 100, 50, 0, 50, 25},      // 0.5 pixel rounds to 0
      {3, 100, 50, 2, 50, 26},      // 1.5 rounds to 2
  };
  for (const Case& c : cases) {
    TChart fresh;
    TChartAxis& bottom = fresh.BottomAxis();
    bottom.SetStartPosition(c.start);
    bottom.SetEndPosition(c.end);
    const int left = c.plotWidth == 400 ? 100 : 0;
    Place(bottom, 0, 100, TRect{left, 0, left + c.plotWidth, 50});
    EXPECT_EQ(bottom.PixelStart(), c.pixelStart) << c.start << ".." << c.end;
    EXPECT_EQ(bottom.PixelEnd(), c.pixelEnd) << c.start << ".." << c.end;
    EXPECT_EQ(bottom.ValueToPixel(50), c.pixelOf50) << c.start << ".." << c.end;
  }
}

TEST_F(AxisSettings, LinesDrawnForEachSetting) {
  // A bottom axis 0..10 on {0, 0, 101, 50}: labels every 2 at x 101, 81, 61, 40, 20 and 0; the
  // axis line lies on y 50. Each row paints the element it looks at in red.
  const std::vector<int> ticks{101, 81, 61, 40, 20, 0};
  auto across = [](const std::vector<int>& xs, int y0, int y1) {
    std::vector<TRect> lines;
    for (int x : xs) lines.push_back(TRect{x, y0, x, y1});
    return lines;
  };
  struct Case {
    const char* what;
    std::function<void(TChartAxis&)> set;
    std::vector<TRect> red;
  };
  const std::vector<int> minor{91, 71, 50, 30, 10};  // one per gap, halves to even
  const Case cases[] = {
      // clang-format off
      {"axis line", [](auto& a) { a.Axis().SetColor(clRed); }, {{0, 50, 101, 50}}},
      {"axis line 20 % of 50 up",
       [](auto& a) { a.Axis().SetColor(clRed); a.SetPositionPercent(20); }, {{0, 40, 101, 40}}},
      {"no axis line", [](auto& a) { a.Axis().SetColor(clRed); a.Axis().SetVisible(false); }, {}},
      {"ticks 4 long from one pixel out", [](auto& a) { a.Ticks().SetColor(clRed); },
       across(ticks, 51, 55)},
      {"tick length 7", [](auto& a) { a.Ticks().SetColor(clRed); a.SetTickLength(7); },
       across(ticks, 51, 58)},
      {"no labels: no ticks", [](auto& a) { a.Ticks().SetColor(clRed); a.SetLabels(false); }, {}},
      {"no labels, ticks anyway",
       [](auto& a) { a.Ticks().SetColor(clRed); a.SetLabels(false); a.SetTickOnLabelsOnly(false); },
       across(ticks, 51, 55)},
      {"inner ticks: none at length 0", [](auto& a) { a.TicksInner().SetColor(clRed); }, {}},
      {"inner ticks 3 long, inwards",
       [](auto& a) { a.TicksInner().SetColor(clRed); a.SetTickInnerLength(3); },
       across(ticks, 49, 46)},
      {"grid on the ticks", [](auto& a) { a.Grid().SetColor(clRed); }, across(ticks, 0, 50)},
      {"grid between the ticks, halves to even",
       [](auto& a) { a.Grid().SetColor(clRed); a.SetGridCentered(true); },
       across(minor, 0, 50)},
      {"one minor tick per gap",
       [](auto& a) { a.MinorTicks().SetColor(clRed); a.SetMinorTickCount(1); },
       across(minor, 51, 53)},
      {"minor ticks 5 long",
       [](auto& a) {
         a.MinorTicks().SetColor(clRed); a.SetMinorTickCount(1); a.SetMinorTickLength(5);
       },
       across(minor, 51, 56)},
      {"minor ticks go on beyond the end labels (labels at 81..20 only)",
       [](auto& a) {
         a.MinorTicks().SetColor(clRed); a.SetMinorTickCount(1); a.SetLabelsOnAxis(false);
       },
       across({71, 50, 30, 91, 10}, 51, 53)},
      {"logarithmic: not beyond the end labels",
       [](auto& a) {
         a.MinorTicks().SetColor(clRed); a.SetMinorTickCount(1); a.SetLabelsOnAxis(false);
         a.SetLogarithmic(true);
       },
       across({71, 50, 30}, 51, 53)},
      {"minor grid",
       [](auto& a) {
         a.MinorGrid().SetColor(clRed); a.MinorGrid().SetVisible(true); a.SetMinorTickCount(1);
       },
       across(minor, 0, 50)},
      // clang-format on
  };
  for (const Case& c : cases) {
    TChart fresh;
    TChartAxis& bottom = fresh.BottomAxis();
    bottom.SetLabelStyle(talValue);
    c.set(bottom);
    Place(bottom, 0, 10, TRect{0, 0, 101, 50});
    canvas.ClearOps();
    bottom.Draw(canvas, TRect{0, 0, 101, 50});
    EXPECT_EQ(LinesIn(clRed), c.red) << c.what;
  }
}

TEST_F(AxisSettings, LabelTextsForEachSetting) {
  // A bottom axis on {0, 0, 101, 50} fits labels 13 or more pixels apart.
  struct Case {
    const char* what;
    double min, max;
    std::function<void(TChartAxis&)> set;
    std::vector<std::string> texts;
    std::size_t ticks;
  };
  TLineSeries dates;
  auto dateTimeSeries = [&](TChartAxis& a) {
    dates.XValues().SetDateTime(true);
    dates.AddPoint(0, 0);
    dates.SetParentChart(a.ParentChart());
  };
  const Case cases[] = {
      // clang-format off
      {"every 2 from a multiple of 2", 1, 9.5, [](auto&) {}, {"8", "6", "4", "2"}, 4},
      {"from the maximum itself",      1, 9.5, [](auto& a) { a.SetRoundFirstLabel(false); },
                                       {"9.5", "7.5", "5.5", "3.5", "1.5"}, 5},
      {"increment 5",                  0, 10, [](auto& a) { a.SetIncrement(5); },
                                       {"10", "5", "0"}, 3},
      {"date-times below 0: a tick without text", -3.5, 4, dateTimeSeries,
                                       {"4", "3", "2", "1", "0"}, 8},
      // clang-format on
  };
  for (const Case& c : cases) {
    TChart fresh;
    TChartAxis& bottom = fresh.BottomAxis();
    bottom.SetLabelStyle(talValue);
    c.set(bottom);
    Place(bottom, c.min, c.max, TRect{0, 0, 101, 50});
    canvas.ClearOps();
    bottom.Draw(canvas, TRect{0, 0, 101, 50});
    std::vector<std::string> texts;
    for (const TCanvasOp& op : canvas.Ops())
      if (op.Kind == TCanvasOpKind::TextOut) texts.push_back(op.Text);
    EXPECT_EQ(texts, c.texts) << c.what;
    EXPECT_EQ(bottom.TickPositions().size(), c.ticks) << c.what;
    dates.SetParentChart(nullptr);
  }
}

TEST_F(AxisSettings, RotatedLabelsHangOutsideTheirEdge) {
  // One label "5" at x 50 of a bottom axis whose labels edge is 60, in a 13-pixel line: turned a
  // quarter left it ends at the edge and its line is centred on x 50; turned right it starts at
  // the edge; upside down its line lies below the edge.
  struct Case {
    int angle;
    TCanvasPoint at;
    unsigned align;
  };
  const Case cases[] = {
      {90, {50 - 6, 60}, kAlignRight | kAlignTop},
      {270, {50 + 6, 60}, kAlignLeft | kAlignTop},
      {180, {50, 60 + 13}, kAlignCenter | kAlignTop},
  };
  for (const Case& c : cases) {
    TChart fresh;
    TChartAxis& bottom = fresh.BottomAxis();
    bottom.SetLabelStyle(talValue);
    bottom.SetLabelsAngle(c.angle);
    bottom.SetLabelsSize(60 - 13);  // puts the labels edge at 60 after the 13-pixel title room
    bottom.SetTitleSize(13);
    bottom.Title().SetCaption("t");
    Place(bottom, 5, 5, TRect{0, 0, 101, 120});
    TRect room{0, 0, 101, 120};
    bottom.CalcRect(canvas, room);
    ASSERT_EQ(bottom.LabelsEdge(), 60);
    canvas.ClearOps();
    bottom.Draw(canvas, TRect{0, 0, 101, 120});
    const TCanvasOp* label = nullptr;
    for (const TCanvasOp& op : canvas.Ops())
      if (op.Kind == TCanvasOpKind::RotatedTextOut && op.Text == "5") label = &op;
    ASSERT_NE(label, nullptr) << c.angle;
    EXPECT_EQ(label->Angle, c.angle);
    EXPECT_EQ(label->Points[0], c.at) << c.angle;
    EXPECT_EQ(label->TextAlign, c.align) << c.angle;
  }
}

}  // namespace
}  // namespace chart
