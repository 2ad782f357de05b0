// The chart canvas over a QImage: the off-screen bitmap of the chart's double buffering, drawn with
// aliased cosmetic pens whose lines leave out their end pixel, as the chart's drawing rules expect.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "chart/TChartCanvas.h"

namespace chart {

class QImageCanvas : public TChartCanvas {
 public:
  QImageCanvas();
  ~QImageCanvas() override;

  // The image of the last paint (the window copies it, a capture saves it).
  const QImage& Image() const { return image_; }
  // Called with the finished image at the end of every paint, and on a clean chart's repaint.
  std::function<void(const QImage&)> OnCopyToWindow;

  // The font family a chart font name is drawn with: "Arial" becomes the metric-compatible
  // "Liberation Sans"; other names are used as they are.
  static QString FamilyFor(const std::string& name);
  // The Qt font for a canvas font, by family and pixel height, without anti-aliasing.
  static QFont QtFont(const TCanvasFont& font);

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
  // A font as Qt's, its metrics, its cell height and the widths of the texts measured in it so far:
  // a chart measures each label to place it and again to align it, and the next chart the same
  // labels.
  struct FontMeasures {
    TCanvasFont font;
    QFont qtFont;
    QFontMetrics metrics;
    int cellHeight;
    QHash<QString, int> widths;

    int Width(const QString& text);
  };

  QPainter& Painter();
  // The current font's measures.
  FontMeasures& Measures();
  // Applies the device state to the painter before a drawing call.
  void ApplyPen();
  void ApplyFont();
  // A 1-pixel line stepped pixel by pixel with the pen's dash pattern, end pixel left out.
  void DrawThinLine(int x0, int y0, int x1, int y1);
  // The image's rectangle, or its part inside the clip rectangle, with the painter active.
  QRect WritableRect();
  // The text placed by the alignment flags around (x, y) in the painter's current transform.
  void DrawAlignedText(int x, int y, const QString& text, bool opaque);

  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::vector<std::unique_ptr<FontMeasures>> fonts_;
  FontMeasures* measures_ = nullptr;  // the one Measures() returned last
  // Where the last thin line ended and how far into its dash pattern.
  struct DashState {
    TCanvasPen pen;
    int endX;
    int endY;
    int dash;
    int dashLeft;
  };
  std::optional<DashState> lastLine_;
  std::optional<TRect> clip_;
};

}  // namespace chart
