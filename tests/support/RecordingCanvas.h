// A canvas that draws nothing and records every operation, with fixed font metrics, so layout
// and drawing can be checked without fonts or pixels.
#pragma once

#include <string>
#include <vector>

#include "chart/TChartCanvas.h"

namespace chart {

enum class TCanvasOpKind : unsigned char {
  PrepareImage,
  CopyToWindow,
  TextOut,
  RotatedTextOut,
  Rectangle,
  FillRect,
  Line,
  Polyline,
  Polygon,
  Ellipse,
  SetPixel,
  ClipRectangle,
  UnClipRectangle
};

// One recorded call with the device state it ran with.
struct TCanvasOp {
  TCanvasOpKind Kind;
  TRect Box;                         // rectangle, ellipse, clip; line: (x0, y0)-(x1, y1)
  std::vector<TCanvasPoint> Points;  // polyline, polygon; text and pixel: the reference point
  std::string Text;
  int Angle = 0;
  TCanvasPen Pen;
  TCanvasBrush Brush;
  TCanvasFont Font;
  unsigned TextAlign = 0;
  TBackMode BackMode = bmTransparent;
  TColor Color = clBlack;  // SetPixel
};

class RecordingCanvas : public TChartCanvas {
 public:
  // Fixed metrics: a text line is (character height + 2) pixels high, where the character height
  // is -Height (or Height - 2 for a positive cell height), and every character is
  // (character height + 1) / 2 pixels wide. An 11-pixel font is 13 high, 6 per character.
  RecordingCanvas() = default;

  const std::vector<TCanvasOp>& Ops() const { return ops_; }
  void ClearOps() { ops_.clear(); }
  // Stops recording (for benchmarks that want the layout cost only); metrics still work.
  void SetRecording(bool on) { recording_ = on; }

  TRect PrepareImage(int width, int height) override;
  void CopyToWindow() override;
  void TextOut(int x, int y, std::string_view text) override;
  void RotatedTextOut(int x, int y, std::string_view text, int angle) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void Rectangle(int x0, int y0, int x1, int y1) override;
  using TChartCanvas::Rectangle;
  void FillRect(const TRect& r) override;
  void Line(int x0, int y0, int x1, int y1) override;
  void Polyline(std::span<const TCanvasPoint> points) override;
  void Polygon(std::span<const TCanvasPoint> points) override;
  void Ellipse(int x0, int y0, int x1, int y1) override;
  void SetPixel(int x, int y, TColor color) override;
  void ClipRectangle(const TRect& r) override;
  void UnClipRectangle() override;

 private:
  int CharHeight() const;
  TCanvasOp& Record(TCanvasOpKind kind);

  std::vector<TCanvasOp> ops_;
  TCanvasOp scratch_{};
  bool recording_ = true;
};

}  // namespace chart
