// The drawing surface the chart, its axes and its series draw on: pen, brush and font state plus
// 2-D primitives.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "chart/TChartBrush.h"
#include "chart/TChartPen.h"
#include "chart/TColor.h"
#include "chart/TRect.h"

namespace chart {

class TChartFont;

// Text alignment flags of TextOut, combinable: horizontal (left, right, centre) with vertical.
inline constexpr unsigned kAlignLeft = 0;
inline constexpr unsigned kAlignTop = 0;
inline constexpr unsigned kAlignRight = 2;
inline constexpr unsigned kAlignCenter = 6;
inline constexpr unsigned kAlignBottom = 8;

// Whether the gaps of text, dashes and hatches show the background colour (opaque) or not.
enum class TBackMode : unsigned char { bmTransparent, bmOpaque };
using enum TBackMode;

// A vertex of a polyline or polygon.
struct TCanvasPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TCanvasPoint&, const TCanvasPoint&) = default;
};

// The canvas' current pen, brush and font (plain values, no notifications).
struct TCanvasPen {
  TColor Color = clBlack;
  TPenStyle Style = psSolid;
  int Width = 1;
  bool SmallDots = false;  // every other pixel, 1-pixel cosmetic pen
  friend bool operator==(const TCanvasPen&, const TCanvasPen&) = default;
};

struct TCanvasBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  friend bool operator==(const TCanvasBrush&, const TCanvasBrush&) = default;
};

struct TCanvasFont {
  std::string Name = "Arial";
  int Height = -13;  // 10 points
  TColor Color = clBlack;
  unsigned char Style = 0;
  friend bool operator==(const TCanvasFont&, const TCanvasFont&) = default;
};

class TChartCanvas {
 public:
  virtual ~TChartCanvas() = default;

  // Makes the off-screen image width x height (re-created only when the size changes) and
  // returns the rectangle to draw into, (0, 0, width, height).
  virtual TRect PrepareImage(int width, int height) = 0;
  // Hands the finished image to the window; a clean chart calls only this.
  virtual void CopyToWindow() = 0;

  // Current pen, brush, font, background and text alignment; drawing calls read them.
  TCanvasPen& Pen() { return pen_; }
  const TCanvasPen& Pen() const { return pen_; }
  TCanvasBrush& Brush() { return brush_; }
  const TCanvasBrush& Brush() const { return brush_; }
  TCanvasFont& Font() { return font_; }
  const TCanvasFont& Font() const { return font_; }
  TBackMode BackMode() const { return backMode_; }
  void SetBackMode(TBackMode mode) { backMode_ = mode; }
  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor color) { backColor_ = color; }
  unsigned TextAlign() const { return textAlign_; }
  void SetTextAlign(unsigned flags) { textAlign_ = flags; }

  // Selects a chart pen: an invisible pen clears the pen style; otherwise colour, style, width and
  // SmallDots (honoured for 1-pixel pens only) are copied.
  void AssignChartPen(const TChartPen& pen);
  void AssignFont(const TChartFont& font);
  // Pen black, width 1, solid; brush white, solid; font black, 10 points; background white,
  // transparent; text aligned left and top.
  void ResetState();

  // Text in CP1251 bytes; (x, y) is placed by the text alignment flags.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // Text rotated counter-clockwise by `angle` degrees around (x, y), with a clear brush.
  virtual void RotatedTextOut(int x, int y, std::string_view text, int angle) = 0;
  virtual int TextWidth(std::string_view text) = 0;
  virtual int TextHeight(std::string_view text) = 0;
  // The height of "W" in the current font.
  int FontHeight() { return TextHeight("W"); }

  // Outline with the pen, filled with the brush; right and bottom exclusive.
  virtual void Rectangle(int x0, int y0, int x1, int y1) = 0;
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  // Fills with the brush only, right and bottom exclusive.
  virtual void FillRect(const TRect& r) = 0;
  // From (x0, y0) to (x1, y1) with the pen; the end pixel is not drawn.
  virtual void Line(int x0, int y0, int x1, int y1) = 0;
  void DoHorizLine(int x0, int x1, int y) { Line(x0, y, x1, y); }
  void DoVertLine(int x, int y0, int y1) { Line(x, y0, x, y1); }
  virtual void Polyline(std::span<const TCanvasPoint> points) = 0;
  virtual void Polygon(std::span<const TCanvasPoint> points) = 0;
  // Inside the bounding box (x0, y0)-(x1, y1), right and bottom exclusive.
  virtual void Ellipse(int x0, int y0, int x1, int y1) = 0;
  virtual void SetPixel(int x, int y, TColor color) = 0;

  // Drawing is limited to the rectangle until UnClipRectangle.
  virtual void ClipRectangle(const TRect& r) = 0;
  virtual void UnClipRectangle() = 0;

 private:
  TCanvasPen pen_;
  TCanvasBrush brush_;
  TCanvasFont font_;
  TBackMode backMode_ = bmTransparent;
  TColor backColor_ = clWhite;
  unsigned textAlign_ = kAlignLeft | kAlignTop;
};

}  // namespace chart
