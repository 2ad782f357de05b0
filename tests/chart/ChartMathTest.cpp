// MulDiv rounding, ties-to-even rounding, the nice step sequence of the axes and the decimals a
// step needs.
#include <gtest/gtest.h>

#include <utility>

#include "chart/ChartMath.h"

namespace chart {
namespace {

TEST(ChartMath, MulDivRoundsHalvesAwayFromZero) {
  struct Case {
    int a, b, c, expected;
  };
  const Case cases[] = {
      {1023, 1, 100, 10},  // 10.23: the main chart's left margin
      {369, 2, 100, 7},    // 7.38: its top margin
      {250, 4, 100, 10},   //
      {50, 1, 100, 1},     // 0.5 rounds up
      {150, 1, 100, 2},    // 1.5 rounds up
      {-50, 1, 100, -1},   // -0.5 rounds away from zero
      {-150, 1, 100, -2},  //
      {149, 1, 100, 1},    //
      {7, 3, 0, -1},       // division by zero gives -1
  };
  for (const Case& c : cases)
    EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(ChartMath, RoundHalfEvenTiesToEven) {
  const double cases[][2] = {{2.5, 2}, {3.5, 4},    {-2.5, -2},  {0.5, 0},
                             {1.5, 2}, {2.4999, 2}, {2.5001, 3}, {-3.5, -4}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c[0]), c[1]) << c[0];
}

TEST(ChartMath, NextNiceStepFollowsOneTwoFive) {
  const double cases[][2] = {{1, 2},   {2, 5}, {5, 10}, {10, 20},   {20, 50}, {50, 100},
                             {1.5, 2}, {3, 5}, {7, 10}, {0.2, 0.5}, {0.5, 1}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(NextNiceStep(c[0]), c[1]) << c[0];
  // From the minimum increment the sequence keeps its 1-2-5 shape despite binary fractions.
  EXPECT_DOUBLE_EQ(NextNiceStep(1e-12), 2e-12);
  EXPECT_DOUBLE_EQ(NextNiceStep(2e-12), 5e-12);
  EXPECT_DOUBLE_EQ(NextNiceStep(5e-12), 1e-11);
  EXPECT_DOUBLE_EQ(NextNiceStep(0.1 * 3), 0.5);  // 0.30000000000000004
  double s = 1e-12;
  for (int i = 0; i < 36; ++i) s = NextNiceStep(s);
  EXPECT_DOUBLE_EQ(s, 1.0);  // twelve decades of three steps each
}

TEST(ChartMath, StepDecimalsWriteEveryMultipleExactly) {
  // clang-format off
  const std::pair<double, int> cases[] = {
      {1, 0}, {2, 0}, {50, 0}, {1e6, 0},   // whole steps
      {0.1, 1}, {0.2, 1}, {0.5, 1}, {1.5, 1},
      {0.05, 2}, {0.25, 2}, {0.01, 2},
      {0.1 * 3, 1},                         // 0.30000000000000004
      {5e-7, 7},
      {1e-12, 12}, {2.5e-13, 12},          // never beyond the smallest increment's places
      {0, 0},
  };
  // clang-format on
  for (const auto& [step, decimals] : cases) EXPECT_EQ(StepDecimals(step), decimals) << step;
  // The steps the fitting reaches from the minimum increment, despite binary fractions.
  double s = 1e-12;
  for (int i = 0; i < 33; ++i) s = NextNiceStep(s);  // 0.1
  EXPECT_EQ(StepDecimals(s), 1);
  EXPECT_EQ(StepDecimals(NextNiceStep(NextNiceStep(NextNiceStep(s / 10)))), 1);  // 0.1 again
  EXPECT_EQ(StepDecimals(NextNiceStep(NextNiceStep(s / 10))), 2);                // 0.05
}

}  // namespace
}  // namespace chart
