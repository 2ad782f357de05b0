// An integer rectangle in client pixels, right and bottom exclusive: (0, 0, 10, 5) covers pixels
// 0..9 across and 0..4 down.
#pragma once

namespace chart {

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  void Inflate(int dx, int dy) {
    Left -= dx;
    Top -= dy;
    Right += dx;
    Bottom += dy;
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// The common part of two rectangles; false (and `out` untouched) when they do not overlap.
inline bool IntersectRect(const TRect& a, const TRect& b, TRect& out) {
  TRect r{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
          a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
  if (r.Left >= r.Right || r.Top >= r.Bottom) return false;
  out = r;
  return true;
}

}  // namespace chart
