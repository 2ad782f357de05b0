// Whether a pixel lies on a line segment as the line series draws it, for hit testing.
#pragma once

#include "chart/TChartCanvas.h"

namespace chart {

// True when p lies within about one pixel of the segment a-b (measured across its major
// direction) and not beyond either end by more than the tolerance. A segment of zero length
// never matches.
bool PointNearSegment(TCanvasPoint p, TCanvasPoint a, TCanvasPoint b, int tolerance = 0);

}  // namespace chart
