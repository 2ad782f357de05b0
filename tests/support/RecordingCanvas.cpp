// The recording canvas: every call becomes a TCanvasOp; text is measured with fixed metrics.
#include "tests/support/RecordingCanvas.h"

namespace chart {

TCanvasOp& RecordingCanvas::Record(TCanvasOpKind kind) {
  TCanvasOp& op = recording_ ? ops_.emplace_back() : scratch_;
  op = TCanvasOp{};
  op.Kind = kind;
  op.Pen = Pen();
  op.Brush = Brush();
  op.Font = Font();
  op.TextAlign = TextAlign();
  op.BackMode = BackMode();
  return op;
}

int RecordingCanvas::CharHeight() const {
  const int h = Font().Height;
  return h < 0 ? -h : (h > 2 ? h - 2 : 1);
}

TRect RecordingCanvas::PrepareImage(int width, int height) {
  Record(TCanvasOpKind::PrepareImage).Box = TRect{0, 0, width, height};
  return TRect{0, 0, width, height};
}

void RecordingCanvas::CopyToWindow() { Record(TCanvasOpKind::CopyToWindow); }

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
  TCanvasOp& op = Record(TCanvasOpKind::TextOut);
  op.Points = {{x, y}};
  op.Text = std::string(text);
}

void RecordingCanvas::RotatedTextOut(int x, int y, std::string_view text, int angle) {
  TCanvasOp& op = Record(TCanvasOpKind::RotatedTextOut);
  op.Points = {{x, y}};
  op.Text = std::string(text);
  op.Angle = angle;
}

int RecordingCanvas::TextWidth(std::string_view text) {
  return static_cast<int>(text.size()) * ((CharHeight() + 1) / 2);
}

int RecordingCanvas::TextHeight(std::string_view) { return CharHeight() + 2; }

void RecordingCanvas::Rectangle(int x0, int y0, int x1, int y1) {
  Record(TCanvasOpKind::Rectangle).Box = TRect{x0, y0, x1, y1};
}

void RecordingCanvas::FillRect(const TRect& r) { Record(TCanvasOpKind::FillRect).Box = r; }

void RecordingCanvas::Line(int x0, int y0, int x1, int y1) {
  Record(TCanvasOpKind::Line).Box = TRect{x0, y0, x1, y1};
}

void RecordingCanvas::Polyline(std::span<const TCanvasPoint> points) {
  Record(TCanvasOpKind::Polyline).Points.assign(points.begin(), points.end());
}

void RecordingCanvas::Polygon(std::span<const TCanvasPoint> points) {
  Record(TCanvasOpKind::Polygon).Points.assign(points.begin(), points.end());
}

void RecordingCanvas::Ellipse(int x0, int y0, int x1, int y1) {
  Record(TCanvasOpKind::Ellipse).Box = TRect{x0, y0, x1, y1};
}

void RecordingCanvas::SetPixel(int x, int y, TColor color) {
  TCanvasOp& op = Record(TCanvasOpKind::SetPixel);
  op.Points = {{x, y}};
  op.Color = color;
}

void RecordingCanvas::ClipRectangle(const TRect& r) {
  Record(TCanvasOpKind::ClipRectangle).Box = r;
}

void RecordingCanvas::UnClipRectangle() { Record(TCanvasOpKind::UnClipRectangle); }

}  // namespace chart
