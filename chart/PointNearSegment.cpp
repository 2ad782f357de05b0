// Whether a pixel lies on a line segment: cross-product distance, then the bounding ends.
#include "chart/PointNearSegment.h"

#include <algorithm>
#include <cstdlib>

namespace chart {

namespace {

// P lies beyond an end of the span a..b along one axis, where the ends differ by more than t.
bool BeyondEnds(long long p, long long a, long long b, long long t) {
  return (a > b + t && p > a + t) || (b > a + t && p < a - t) || (b > a + t && p > b + t) ||
         (a > b + t && p < b - t);
}

}  // namespace

bool PointNearSegment(TCanvasPoint p, TCanvasPoint a, TCanvasPoint b, int tolerance) {
  // 64-bit products: pixel coordinates reach +-32766, so the cross product overflows 32 bits.
  const long long dx = static_cast<long long>(b.X) - a.X;
  const long long dy = static_cast<long long>(b.Y) - a.Y;
  const long long m = std::max(std::llabs(dx), std::llabs(dy));
  const long long c = std::llabs(dy * (static_cast<long long>(p.X) - a.X) -
                                 (static_cast<long long>(p.Y) - a.Y) * dx);
  if (c >= m) return false;
  const long long t = tolerance;
  if (BeyondEnds(p.X, a.X, b.X, t)) return false;
  if (BeyondEnds(p.Y, a.Y, b.Y, t)) return false;
  return true;
}

}  // namespace chart
