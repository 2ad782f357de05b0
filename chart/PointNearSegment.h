// Whether a pixel lies on a line segment as the line series draws it, for hit testing.
#pragma once

namespace chart {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// True when p lies within about one pixel of the segment a-b (measured across its major
// direction) and not beyond either end by more than the tolerance. A segment of zero length
// never matches.
bool PointNearSegment(TPoint p, TPoint a, TPoint b, int tolerance = 0);

}  // namespace chart
