// The chart canvas over any QPainter (a larger image, an SVG generator, a PDF page): the chart is
// laid out in chart pixels, measured exactly as the image canvas measures them, and drawn as
// geometry that the painter's transform scales, so fonts, pens and markers grow with the scale.
#pragma once

#include <QFont>
#include <QPainter>
#include <optional>

#include "chart/TChartCanvas.h"
#include "chart/qt/QImageCanvas.h"

namespace chart {

class QPainterCanvas : public TChartCanvas {
 public:
  QPainterCanvas() = default;

  // The painter the next paint draws on, not owned; its transform maps chart pixels to the device,
  // its render hints (antialiasing) are the caller's choice. A paint leaves the painter's state as
  // it found it.
  void SetPainter(QPainter* painter) { painter_ = painter; }

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
  QPainter& Painter();
  // The pen for outlines and lines: 1 chart pixel wide (so it scales), dashed by the pen style.
  void ApplyPen(qreal dashOffset = 0);
  // The current canvas font for drawing; ascent_ is its ascent as the layout measures it.
  const QFont& DrawingFont();
  // The text placed by the alignment flags around (x, y) in the painter's current transform.
  void DrawAlignedText(int x, int y, std::string_view text, bool opaque);

  QPainter* painter_ = nullptr;
  bool saved_ = false;    // the painter's state saved by PrepareImage
  bool clipped_ = false;  // a clip rectangle's own save on top of that
  // Measures text for the layout, so that it is the image's layout whatever the device.
  QImageCanvas metrics_;
  std::optional<TCanvasFont> fontOf_;
  bool fontSmooth_ = false;
  QFont font_;
  int ascent_ = 0;
  // Where the last 1-pixel styled line ended and how far into its dash pattern, in pixels.
  struct DashState {
    TCanvasPen pen;
    int endX;
    int endY;
    qreal offset;
  };
  std::optional<DashState> lastLine_;
};

}  // namespace chart
