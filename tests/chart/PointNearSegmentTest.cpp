// The segment test of the hit test: within about a pixel across the major direction, inside the
// ends.
#include <gtest/gtest.h>

#include "chart/PointNearSegment.h"

namespace chart {
namespace {

TEST(PointNearSegment, Table) {
  const struct {
    TCanvasPoint p, a, b;
    bool near;
  } cases[] = {
      // clang-format off
      {{5, 0}, {0, 0}, {10, 0}, true},   // on a horizontal segment
      {{5, 1}, {0, 0}, {10, 0}, false},  // one pixel off a horizontal segment: c = m
      {{0, 0}, {0, 0}, {10, 0}, true},   // both ends belong to the segment
      {{10, 0}, {0, 0}, {10, 0}, true},
      {{11, 0}, {0, 0}, {10, 0}, false},  // beyond the right end
      {{-1, 0}, {0, 0}, {10, 0}, false},  // beyond the left end
      {{4, 2}, {0, 0}, {10, 5}, true},    // exactly on a diagonal
      {{5, 3}, {0, 0}, {10, 5}, true},    // half a pixel off: c = 5 < m = 10
      {{4, 3}, {0, 0}, {10, 5}, false},   // c = 10 = m
      {{11, 5}, {0, 0}, {10, 5}, false},  // c < m but beyond the end in x
      {{5, 3}, {10, 5}, {0, 0}, true},    // the same segment drawn right to left
      {{-1, 0}, {10, 5}, {0, 0}, false},
      {{0, 5}, {0, 0}, {0, 10}, true},  // vertical
      {{1, 5}, {0, 0}, {0, 10}, false},
      {{0, 11}, {0, 0}, {0, 10}, false},
      {{3, 3}, {3, 3}, {3, 3}, false},  // a segment of zero length never matches
      {{0, 0}, {-32766, -32766}, {32766, 32766}, true},
      // clang-format on
      // Far off-screen pixels: the cross product 65537 * 65536 wraps to 65536 < m in 32 bits.
      {{65536, 0}, {0, 0}, {65536, 65537}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PointNearSegment(c.p, c.a, c.b), c.near)
        << "p (" << c.p.X << ", " << c.p.Y << ") a (" << c.a.X << ", " << c.a.Y << ") b (" << c.b.X
        << ", " << c.b.Y << ")";
}

TEST(PointNearSegment, ToleranceWidensTheEnds) {
  EXPECT_FALSE(PointNearSegment({11, 0}, {0, 0}, {10, 0}, 0));
  EXPECT_TRUE(PointNearSegment({11, 0}, {0, 0}, {10, 0}, 1));
  EXPECT_FALSE(PointNearSegment({12, 0}, {0, 0}, {10, 0}, 1));
}

}  // namespace
}  // namespace chart
