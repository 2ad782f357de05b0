// Small pure helpers of the chart layout: MulDiv, rounding and nice axis steps.
#pragma once

namespace chart {

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x);

// The next step of the sequence 1, 2, 5, 10, 20, 50, ... scaled to x's decade:
// 1 -> 2, 2 -> 5, 5 -> 10, 1e-12 -> 2e-12.
double NextNiceStep(double x);

// The places of the smallest axis increment, 1e-12: enough for any step's decimals.
inline constexpr int kMaxStepDecimals = 12;

// The decimal places that write every multiple of the step exactly: 0 for whole steps, 1 for 0.1
// or 0.2, 2 for 0.05 or 0.25; at most kMaxStepDecimals.
int StepDecimals(double step);

}  // namespace chart
