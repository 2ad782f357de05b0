// MulDiv with halves away from zero, ties-to-even rounding, the 1-2-5 steps of the axes and the
// decimal places a step needs.
#include "chart/ChartMath.h"

#include <cmath>
#include <cstdlib>

namespace chart {

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const long long product = static_cast<long long>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const long long n = std::llabs(product);
  const long long d = std::llabs(static_cast<long long>(c));
  const long long q = (n + d / 2) / d;  // halves away from zero
  return static_cast<int>(negative ? -q : q);
}

double RoundHalfEven(double x) {
  // nearbyint follows the current rounding mode, which the program never changes from the
  // default round-to-nearest-even.
  return std::nearbyint(x);
}

double NextNiceStep(double x) {
  if (!(x > 0.0) || !std::isfinite(x)) return x;
  // Split x into mantissa m in [1, 10) and decade p. Repeated multiplication by 10 would leave
  // 1e-12 just below 1 and step it to 1e-12 again, so the decade comes from the logarithm and a
  // mantissa within rounding noise of a step boundary counts as that boundary.
  constexpr double kNoise = 1e-9;
  double p = std::pow(10.0, std::floor(std::log10(x)));
  double m = x / p;
  if (m >= 10.0 * (1.0 - kNoise)) {
    m /= 10.0;
    p *= 10.0;
  } else if (m < 1.0 - kNoise) {
    m *= 10.0;
    p /= 10.0;
  }
  if (m < 2.0 * (1.0 - kNoise)) return 2.0 * p;
  if (m < 5.0 * (1.0 - kNoise)) return 5.0 * p;
  return 10.0 * p;
}

int StepDecimals(double step) {
  // Steps such as 0.1 are not exact in binary: a scaled step within a millionth of a whole number
  // counts as whole.
  constexpr double kNoise = 1e-6;
  double scaled = std::fabs(step);
  int decimals = 0;
  while (decimals < kMaxStepDecimals && std::fabs(scaled - std::round(scaled)) > kNoise * scaled) {
    scaled *= 10.0;
    ++decimals;
  }
  return decimals;
}

}  // namespace chart
