// Axes: mapping with ties to even, increments, label values from the top down, ends without
// labels, zero and huge ranges, label formats, minor ticks and refused settings.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/ChartException.h"
#include "chart/TChart.h"
#include "tests/runtime/SeparatorGuard.h"
#include "tests/support/RecordingCanvas.h"

namespace chart {
namespace {

class AxisTest : public ::testing::Test {
 protected:
  // Fixes the range and the pixel extent of an axis as a layout would.
  void Place(TChartAxis& axis, double min, double max, const TRect& plot) {
    axis.SetAutomatic(false);
    axis.SetMinMax(min, max);
    axis.AdjustMaxMin();
    axis.CalcPixelEnds(plot);
  }
  // Label texts and their pixel positions (x for horizontal axes, y for vertical ones).
  std::vector<std::pair<std::string, int>> Labels(const TChartAxis& axis) {
    std::vector<std::pair<std::string, int>> labels;
    for (const TCanvasOp& op : canvas.Ops())
      if (op.Kind == TCanvasOpKind::TextOut && op.Text != axis.Title().Caption())
        labels.emplace_back(op.Text, axis.Horizontal() ? op.Points[0].X : op.Points[0].Y);
    return labels;
  }

  TChart chart;
  RecordingCanvas canvas;
};

TEST_F(AxisTest, ValueToPixelRoundsTiesToEven) {
  TChartAxis& bottom = chart.BottomAxis();
  Place(bottom, 0, 10, TRect{100, 0, 105, 50});  // half a pixel per unit
  const int cases[][2] = {{0, 100}, {1, 100}, {3, 102}, {5, 102}, {7, 104}, {9, 104}, {10, 105}};
  for (const auto& c : cases) EXPECT_EQ(bottom.ValueToPixel(c[0]), c[1]) << c[0];
  TChartAxis& left = chart.LeftAxis();
  Place(left, 0, 10, TRect{0, 20, 50, 25});  // vertical: larger values higher up
  const int up[][2] = {{0, 25}, {1, 25}, {3, 23}, {5, 23}, {7, 21}, {10, 20}};
  for (const auto& c : up) EXPECT_EQ(left.ValueToPixel(c[0]), c[1]) << c[0];
  left.SetInverted(true);
  EXPECT_EQ(left.ValueToPixel(10), 25);
  EXPECT_EQ(left.ValueToPixel(3), 22);
}

TEST_F(AxisTest, ZeroRangeAndFarValuesMapToTheCentre) {
  TChartAxis& bottom = chart.BottomAxis();
  Place(bottom, 5, 5, TRect{100, 0, 201, 50});
  EXPECT_EQ(bottom.PixelCentre(), 150);
  EXPECT_EQ(bottom.ValueToPixel(5), 150);
  EXPECT_EQ(bottom.ValueToPixel(-1e300), 150);
  Place(bottom, 0, 1, TRect{100, 0, 201, 50});
  EXPECT_EQ(bottom.ValueToPixel(1e10), 150);  // 1e12 pixels out: no integer for it
}

TEST_F(AxisTest, SpansNearTheLargestDoubleMapWithoutOverflow) {
  // 250 pixels: value times pixels passes the largest double (about 1.8e308) from a span of
  // about 7e305 on, and a span of 2e308 is itself beyond it.
  TChartAxis& left = chart.LeftAxis();
  struct Case {
    double min, max, value;
    int pixel;
  };
  // clang-format off
  const Case cases[] = {
      {0, 1e306, 5e305, 125},      // 1.25e308 on the way: fits
      {0, 1e306, 8e305, 50},       // 2e308 on the way: 200 pixels up
      {0, 1e306, 1e306, 0},        //
      {0, 1e306, 0, 250},          //
      {-1e308, 1e308, 0, 125},     // the range itself overflows
      {-1e308, 1e308, 2e307, 100}, // 150 pixels up
      {-1e308, 1e308, 1e308, 0},   //
  };
  // clang-format on
  for (const Case& c : cases) {
    Place(left, c.min, c.max, TRect{0, 0, 50, 250});
    EXPECT_EQ(left.ValueToPixel(c.value), c.pixel) << c.min << ".." << c.max << ": " << c.value;
  }
  Place(left, 0, 1e307, TRect{0, 0, 50, 250});
  EXPECT_DOUBLE_EQ(left.PixelToValue(0), 1e307);
  EXPECT_DOUBLE_EQ(left.PixelToValue(125), 5e306);  // 125 x 1e307 on the way
  EXPECT_NEAR(left.PixelToValue(250), 0, 1e293);
}

TEST_F(AxisTest, PixelToValueInvertsTheMapping) {
  TChartAxis& bottom = chart.BottomAxis();
  Place(bottom, 0, 100, TRect{10, 0, 210, 50});
  EXPECT_DOUBLE_EQ(bottom.PixelToValue(10), 0);
  EXPECT_DOUBLE_EQ(bottom.PixelToValue(110), 50);
  EXPECT_DOUBLE_EQ(bottom.PixelToValue(210), 100);
  TChartAxis& left = chart.LeftAxis();
  Place(left, 0, 100, TRect{0, 10, 50, 210});
  EXPECT_DOUBLE_EQ(left.PixelToValue(10), 100);
  EXPECT_DOUBLE_EQ(left.PixelToValue(160), 25);
  Place(left, 0, 100, TRect{0, 10, 50, 10});  // no pixel length
  EXPECT_EQ(left.PixelToValue(10), 0);
}

TEST_F(AxisTest, IncrementFitsTwentyOneLabelsOnThreeHundredPixels) {
  // 8-point labels are 13 pixels high: N = round(300 / (13 + round(1.3))) = 21.
  TChartAxis& left = chart.LeftAxis();
  struct Case {
    double min, max, increment;
  };
  const Case cases[] = {
      {0, 2.7, 1},     // 3 labels fit at once
      {0, 40, 2},      // 40 > 21, 20 fits
      {0, 0.5, 0.05},  // from 1e-12 up the 1-2-5 steps: 0.02 gives 25, 0.05 gives 10
      {0, 1000, 50},   //
      {-7, 7, 1},      //
      {0, 21, 1},      // exactly N
      {0, 22, 2},      //
  };
  for (const Case& c : cases) {
    Place(left, c.min, c.max, TRect{0, 0, 50, 300});
    EXPECT_DOUBLE_EQ(left.CalcIncrement(canvas), c.increment) << c.min << ".." << c.max;
  }
}

TEST_F(AxisTest, ExplicitIncrementIsOnlyEverSteppedUp) {
  TChartAxis& left = chart.LeftAxis();
  Place(left, 0, 10, TRect{0, 0, 50, 300});
  left.SetIncrement(3);
  EXPECT_DOUBLE_EQ(left.CalcIncrement(canvas), 3);
  Place(left, 0, 1000, TRect{0, 0, 50, 300});
  EXPECT_DOUBLE_EQ(left.CalcIncrement(canvas), 50);  // 3 -> 5 -> 10 -> 20 -> 50
  left.SetLabelsSeparation(0);                       // no fitting at all
  EXPECT_DOUBLE_EQ(left.CalcIncrement(canvas), 3);
}

TEST_F(AxisTest, NoPixelLengthGivesTheMinimumIncrement) {
  TChartAxis& left = chart.LeftAxis();
  Place(left, 0, 10, TRect{0, 0, 50, 0});
  EXPECT_DOUBLE_EQ(left.CalcIncrement(canvas), kMinAxisIncrement);
}

TEST_F(AxisTest, LabelsRunFromTheTopDownWithTicksAtEach) {
  TChartAxis& left = chart.LeftAxis();
  left.SetLabelStyle(talValue);
  Place(left, 0, 40, TRect{50, 0, 100, 300});
  left.Draw(canvas, TRect{50, 0, 100, 300});
  const auto labels = Labels(left);
  ASSERT_EQ(labels.size(), 21u);
  EXPECT_EQ(labels.front().first, "40");
  EXPECT_EQ(labels[1].first, "38");
  EXPECT_EQ(labels.back().first, "0");
  // One 13-pixel line centred on the value's pixel: its top at p - 13 div 2.
  EXPECT_EQ(labels.front().second, 0 - 6);
  EXPECT_EQ(labels[1].second, 15 - 6);
  EXPECT_EQ(labels.back().second, 300 - 6);
  ASSERT_EQ(left.TickPositions().size(), 21u);
  EXPECT_EQ(left.TickPositions().front(), 0);
  EXPECT_EQ(left.TickPositions().back(), 300);
}

TEST_F(AxisTest, WithoutLabelsOnAxisTheEndsGetNoLabelTickOrGrid) {
  TChartAxis& bottom = chart.BottomAxis();
  bottom.SetLabelStyle(talValue);
  bottom.SetAxisValuesFormat("##0.");
  Place(bottom, 0, 10, TRect{0, 0, 100, 50});  // labels 10, 8, ..., 0 land on both ends
  bottom.Draw(canvas, TRect{0, 0, 100, 50});
  EXPECT_EQ(Labels(bottom).size(), 6u);
  canvas.ClearOps();
  bottom.SetLabelsOnAxis(false);
  bottom.Draw(canvas, TRect{0, 0, 100, 50});
  const auto labels = Labels(bottom);
  ASSERT_EQ(labels.size(), 4u);
  EXPECT_EQ(labels.front(), std::make_pair(std::string("8"), 80));
  EXPECT_EQ(labels.back(), std::make_pair(std::string("2"), 20));
  EXPECT_EQ(bottom.TickPositions(), (std::vector<int>{80, 60, 40, 20}));
  int gridLines = 0;
  for (const TCanvasOp& op : canvas.Ops())
    if (op.Kind == TCanvasOpKind::Line && op.Pen.Style == psDot) {
      ++gridLines;
      EXPECT_NE(op.Box.Left, 0);
      EXPECT_NE(op.Box.Left, 100);
    }
  EXPECT_EQ(gridLines, 4);
}

TEST_F(AxisTest, ZeroRangeDrawsOneLabelAtTheCentre) {
  TChartAxis& bottom = chart.BottomAxis();
  bottom.SetLabelStyle(talValue);
  for (double value : {7.0, 1e6, 1e20}) {  // 1e20 - 1e-12 == 1e20: the loop must still end
    canvas.ClearOps();
    Place(bottom, value, value, TRect{0, 0, 101, 50});
    bottom.Draw(canvas, TRect{0, 0, 101, 50});
    const auto labels = Labels(bottom);
    ASSERT_EQ(labels.size(), 1u) << value;
    EXPECT_EQ(labels[0].second, 50);
    EXPECT_EQ(bottom.TickPositions(), std::vector<int>{50});
  }
  EXPECT_EQ(Labels(bottom)[0].first, "100,000,000,000,000,000,000");
}

TEST_F(AxisTest, TenThousandLabelsOrMoreDrawNone) {
  TChartAxis& bottom = chart.BottomAxis();
  bottom.SetLabelStyle(talValue);
  bottom.SetLabelsSeparation(0);  // keeps the increment 1 whatever the room
  Place(bottom, 0, 10000, TRect{0, 0, 500, 50});
  bottom.Draw(canvas, TRect{0, 0, 500, 50});
  EXPECT_TRUE(Labels(bottom).empty());
  EXPECT_TRUE(bottom.TickPositions().empty());
  Place(bottom, 0, 9999, TRect{0, 0, 500, 50});
  bottom.Draw(canvas, TRect{0, 0, 500, 50});
  EXPECT_EQ(bottom.TickPositions().size(), static_cast<std::size_t>(kMaxAxisTicks));
}

TEST_F(AxisTest, LabelFormatsRoundHalvesAwayFromZero) {
  TChartAxis& bottom = chart.BottomAxis();
  bottom.SetAxisValuesFormat("##0.");
  const std::pair<double, const char*> cases[] = {
      {2.5, "3"}, {3.5, "4"}, {7, "7"}, {12.5, "13"}, {0.4, "0"}, {-3.5, "-4"}, {1234, "1234"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(bottom.FormatAxisLabel(value), text) << value;
  EXPECT_EQ(chart.LeftAxis().FormatAxisLabel(1234.5), "1,234.5");  // the default "#,##0.###"
  chart.LeftAxis().SetLabelsMultiLine(true);
  chart.LeftAxis().SetAxisValuesFormat("0 'sec'");
  EXPECT_EQ(chart.LeftAxis().FormatAxisLabel(3), "3\rsec");
}

TEST_F(AxisTest, DecimalsFromTheIncrementStateEachLabelsValue) {
  // A left axis with "#0." labels on a 140- or 300-pixel axis (10 or 21 labels fit); a label's top
  // is 6 pixels above its value's pixel.
  TChartAxis& left = chart.LeftAxis();
  left.SetLabelStyle(talValue);
  left.SetAxisValuesFormat("#0.");
  left.SetLabelsDecimalsFromIncrement(true);
  struct Case {
    double min, max, increment;  // increment 0: chosen by the fitting
    int pixels;
    char separator;
    std::vector<std::pair<std::string, int>> labels;
  };
  // clang-format off
  const Case cases[] = {
      // An explicit 0.2 on 0.3..1.5: 1.4 lies 128 pixels up (128.3), 1.2 105, 1.0 82 (81.7), ...
      {0.3, 1.5, 0.2, 140, '.', {{"1.4", 6}, {"1.2", 29}, {"1.0", 52}, {"0.8", 76}, {"0.6", 99}, {"0.4", 122}}},
      {0.3, 1.5, 0.2, 140, ',', {{"1,4", 6}, {"1,2", 29}, {"1,0", 52}, {"0,8", 76}, {"0,6", 99}, {"0,4", 122}}},
      // 0.25 needs two places; 0 prints its integer zero.
      {0, 1, 0.25, 300, '.', {{"1.00", -6}, {"0.75", 69}, {"0.50", 144}, {"0.25", 219}, {"0.00", 294}}},
      // The fitting chooses 0.05 on 0..0.5 (0.02 would give 25 labels): 30 pixels apart.
      {0, 0.5, 0, 300, '.', {{"0.50", -6}, {"0.45", 24}, {"0.40", 54}, {"0.35", 84}, {"0.30", 114}, {"0.25", 144},
                             {"0.20", 174}, {"0.15", 204}, {"0.10", 234}, {"0.05", 264}, {"0.00", 294}}},
      // A whole increment keeps "#0.".
      {0, 4, 0, 140, '.', {{"4", -6}, {"3", 29}, {"2", 64}, {"1", 99}, {"0", 134}}},
      // A zero range has one label, its value, with the value's own decimals.
      {0.753, 0.753, 0, 140, ',', {{"0,753", 64}}},
      {7, 7, 0, 140, '.', {{"7", 64}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " " << c.separator);
    runtime::SeparatorGuard guard(c.separator, c.separator == ',' ? '.' : ',');
    canvas.ClearOps();
    left.SetIncrement(c.increment);
    Place(left, c.min, c.max, TRect{0, 0, 50, c.pixels});
    left.Draw(canvas, TRect{0, 0, 50, c.pixels});
    EXPECT_EQ(Labels(left), c.labels);
  }
}

TEST_F(AxisTest, LabelEventMayReplaceTheText) {
  chart.OnGetAxisLabel = [](TChartAxis&, TChartSeries* series, int index, std::string& text) {
    EXPECT_EQ(series, nullptr);
    EXPECT_EQ(index, -1);
    text = "<" + text + ">";
  };
  EXPECT_EQ(chart.BottomAxis().FormatAxisLabel(5), "<5>");
}

TEST_F(AxisTest, MinorTicksSplitEachGapAndContinueBeyondTheEnds) {
  TChartAxis& bottom = chart.BottomAxis();
  bottom.SetLabelStyle(talValue);
  bottom.SetLabelsOnAxis(false);
  Place(bottom, 0, 10, TRect{0, 0, 100, 50});  // major ticks at 80, 60, 40, 20
  bottom.Draw(canvas, TRect{0, 0, 100, 50});
  std::vector<int> minor;
  for (const TCanvasOp& op : canvas.Ops())
    if (op.Kind == TCanvasOpKind::Line && op.Pen.Color == clGray && op.Pen.Style == psSolid &&
        op.Box.Bottom - op.Box.Top == 2)
      minor.push_back(op.Box.Left);
  std::sort(minor.begin(), minor.end());
  EXPECT_EQ(minor, (std::vector<int>{5, 10, 15, 25, 30, 35, 45, 50, 55, 65, 70, 75, 85, 90, 95}));
}

TEST_F(AxisTest, TicksGoOutwardsFromOnePixelOffTheAxisLine) {
  TChartAxis& bottom = chart.BottomAxis();
  bottom.SetLabelStyle(talValue);
  Place(bottom, 0, 10, TRect{0, 0, 100, 50});
  bottom.MinorTicks().SetVisible(false);
  bottom.Draw(canvas, TRect{0, 0, 100, 50});
  std::vector<TRect> ticks;
  const TCanvasOp* axisLine = nullptr;
  for (const TCanvasOp& op : canvas.Ops()) {
    if (op.Kind != TCanvasOpKind::Line) continue;
    if (op.Pen.Width == 2) axisLine = &op;
    if (op.Pen.Color == clGray && op.Pen.Style == psSolid) ticks.push_back(op.Box);
  }
  ASSERT_NE(axisLine, nullptr);
  EXPECT_EQ(axisLine->Box, (TRect{0, 50, 100, 50}));
  ASSERT_FALSE(ticks.empty());
  EXPECT_EQ(ticks.front(), (TRect{100, 51, 100, 55}));
}

TEST_F(AxisTest, RoomTakenPerAxisIsTitleLabelsAndTicks) {
  // Left axis, 13-pixel title font (15 high), labels "40" / "0" at 6 pixels a character plus a
  // space, ticks 2 + 4.
  TChartAxis& left = chart.LeftAxis();
  left.Title().SetCaption("t");
  left.Title().Font().SetHeight(-13);
  left.SetLabelStyle(talValue);
  Place(left, 0, 40, TRect{100, 0, 500, 300});
  TRect room{100, 0, 500, 300};
  left.CalcRect(canvas, room);
  EXPECT_EQ(left.TitleEdge(), 115);
  EXPECT_EQ(left.LabelsEdge(), 115 + 12 + 6);
  EXPECT_EQ(room.Left, 115 + 18 + 6);
  TChartAxis& bottom = chart.BottomAxis();
  bottom.Title().SetCaption("t");
  bottom.Title().Font().SetHeight(-13);
  room = TRect{100, 0, 500, 300};
  bottom.CalcRect(canvas, room);
  EXPECT_EQ(bottom.TitleEdge(), 285);
  EXPECT_EQ(bottom.LabelsEdge(), 285 - 13);
  EXPECT_EQ(room.Bottom, 285 - 13 - 6);
}

TEST_F(AxisTest, RefusedSettingsRaiseTheirMessageAndKeepTheValue) {
  TChartAxis& axis = chart.LeftAxis();
  axis.SetMinMax(0, 10);
  struct Case {
    std::function<void()> set;
    const char* message;
  };
  const Case cases[] = {
      {[&] { axis.SetMinimum(11); }, "Axis Minimum Value must be <= Maximum"},
      {[&] { axis.SetMaximum(-1); }, "Axis Maximum Value must be >= Minimum"},
      {[&] { axis.SetMinMax(3, 2); }, "Axis Minimum Value must be <= Maximum"},
      {[&] { axis.SetIncrement(-1); }, "Axis increment must be >= 0"},
      {[&] { axis.SetLogarithmicBase(1); }, "Axis Logarithmic Base should be >= 2"},
      {[&] { axis.SetLabelsSeparation(-1); }, "Labels Separation % must be greater than 0"},
  };
  for (const Case& c : cases) {
    try {
      c.set();
      ADD_FAILURE() << "no error: " << c.message;
    } catch (const AxisException& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  EXPECT_EQ(axis.Minimum(), 0);
  EXPECT_EQ(axis.Maximum(), 10);
  EXPECT_EQ(axis.Increment(), 0);
  EXPECT_EQ(axis.LogarithmicBase(), 10);
  EXPECT_EQ(axis.LabelsSeparation(), 10);

  axis.SetMinMax(-5, 10);
  EXPECT_THROW(axis.SetLogarithmic(true), AxisException);
  EXPECT_FALSE(axis.Logarithmic());

  try {
    axis.SetLabelsAngle(360);
    ADD_FAILURE();
  } catch (const ChartException& e) {
    EXPECT_STREQ(e.what(), "Axis Labels Angle must be between 0 and 359 degrees");
  }
  try {
    axis.Title().SetAngle(-1);
    ADD_FAILURE();
  } catch (const ChartException& e) {
    EXPECT_STREQ(e.what(), "Axis Title Angle must be between 0 and 359 degrees");
  }
  EXPECT_EQ(axis.LabelsAngle(), 0);
  EXPECT_EQ(axis.Title().Angle(), 90);
}

TEST_F(AxisTest, WhileLoadingTheEndsAreNotCrossChecked) {
  TChartAxis& axis = chart.BottomAxis();
  chart.SetLoading(true);
  axis.SetMinimum(50);  // the maximum arrives later
  axis.SetMaximum(100);
  axis.SetAutomatic(false);
  chart.SetLoading(false);
  EXPECT_EQ(axis.Minimum(), 50);
  EXPECT_TRUE(axis.AutomaticMaximum());  // Automatic leaves its halves alone while loading
  axis.SetAutomatic(true);
  axis.SetAutomatic(false);
  EXPECT_FALSE(axis.AutomaticMaximum());
}

}  // namespace
}  // namespace chart
