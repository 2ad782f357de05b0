// Drawing the chart through any QPainter. A pixel (x, y) of the image canvas is the square
// (x, y)-(x + 1, y + 1) here, so lines run through pixel centres and outlines lie inside their
// rectangles, and every edge of the 1x image lands where the transform puts it.
#include "chart/qt/QPainterCanvas.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>

#include "chart/qt/QtCanvasStyle.h"

namespace chart {

QPainter& QPainterCanvas::Painter() {
  assert(painter_ && painter_->isActive() && "the canvas draws through an active painter");
  return *painter_;
}

TRect QPainterCanvas::PrepareImage(int width, int height) {
  QPainter& painter = Painter();
  if (!saved_) painter.save();
  saved_ = true;
  clipped_ = false;
  lastLine_.reset();
  return TRect{0, 0, std::max(1, width), std::max(1, height)};
}

void QPainterCanvas::CopyToWindow() {
  if (!saved_) return;
  if (clipped_) painter_->restore();
  painter_->restore();
  saved_ = false;
  clipped_ = false;
}

void QPainterCanvas::ApplyPen(qreal dashOffset) {
  const TCanvasPen& p = Pen();
  QPainter& painter = Painter();
  if (p.Style == psClear) {
    painter.setPen(Qt::NoPen);
    return;
  }
  QPen pen(ToQColor(p.Color));
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  if (p.Width <= 1) {
    // One chart pixel wide, so the transform scales it; dash lengths are in pen widths, which
    // makes them chart pixels too.
    pen.setWidthF(1);
    const QList<qreal> dashes = p.SmallDots ? QList<qreal>{1, 1} : DashPattern(p.Style);
    if (!dashes.isEmpty()) {
      pen.setDashPattern(dashes);
      pen.setDashOffset(dashOffset);
    }
  } else {
    // Wider pens always draw solid lines.
    pen.setWidth(p.Width);
  }
  painter.setPen(pen);
}

const QFont& QPainterCanvas::DrawingFont() {
  const bool smooth = Painter().testRenderHint(QPainter::TextAntialiasing);
  if (fontOf_ != Font() || fontSmooth_ != smooth) {
    fontOf_ = Font();
    fontSmooth_ = smooth;
    font_ = QImageCanvas::QtFont(Font());
    ascent_ = QFontMetrics(font_).ascent();
    // Outlines rather than the pixel-exact glyphs of the 1x image: the device may be any size.
    // Their edges are smoothed as the painter's text antialiasing hint says.
    font_.setStyleStrategy(smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    font_.setHintingPreference(QFont::PreferNoHinting);
  }
  return font_;
}

int QPainterCanvas::TextWidth(std::string_view text) {
  metrics_.Font() = Font();
  return metrics_.TextWidth(text);
}

int QPainterCanvas::TextHeight(std::string_view text) {
  metrics_.Font() = Font();
  return metrics_.TextHeight(text);
}

void QPainterCanvas::DrawAlignedText(int x, int y, std::string_view text, bool opaque) {
  QPainter& painter = Painter();
  const QFont& font = DrawingFont();
  const int width = TextWidth(text);
  const int height = TextHeight(text);
  const unsigned align = TextAlign();
  int left = x;
  if ((align & kAlignCenter) == kAlignCenter)
    left = x - width / 2;
  else if (align & kAlignRight)
    left = x - width;
  const int top = (align & kAlignBottom) ? y - height : y;
  if (opaque) painter.fillRect(QRectF(left, top, width, height), ToQColor(BackColor()));
  // The outlines' own advances differ from the image's hinted ones by a few per cent; the text is
  // fitted to the width the layout measured, so centred and right-aligned texts end where they do
  // in the image.
  const QString qtext = ToQString(text);
  const qreal natural = QFontMetricsF(font).horizontalAdvance(qtext);
  painter.save();
  painter.translate(left, top + ascent_);
  if (natural > 0 && width > 0) painter.scale(width / natural, 1);
  painter.setFont(font);
  painter.setPen(ToQColor(Font().Color));
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.drawText(QPointF(0, 0), qtext);
  painter.restore();
}

void QPainterCanvas::TextOut(int x, int y, std::string_view text) {
  DrawAlignedText(x, y, text, BackMode() == bmOpaque);
}

void QPainterCanvas::RotatedTextOut(int x, int y, std::string_view text, int angle) {
  if (angle > 360) angle -= 360;
  QPainter& painter = Painter();
  painter.save();
  painter.translate(x, y);
  painter.rotate(-angle);
  DrawAlignedText(0, 0, text, false);
  painter.restore();
}

void QPainterCanvas::Rectangle(int x0, int y0, int x1, int y1) {
  if (x1 <= x0 || y1 <= y0) return;
  ApplyBrush(Painter(), *this);
  ApplyBackground(Painter(), *this);
  QPainter& painter = Painter();
  if (Pen().Style == psClear) {
    // Without a pen the fill is one pixel smaller on the right and at the bottom, where the
    // outline would have been.
    painter.fillRect(QRectF(x0, y0, x1 - x0 - 1, y1 - y0 - 1), painter.brush());
    return;
  }
  // One element for outline and fill: the outline's centre line runs through the edge pixels.
  ApplyPen();
  painter.drawRect(QRectF(x0 + 0.5, y0 + 0.5, x1 - x0 - 1, y1 - y0 - 1));
}

void QPainterCanvas::FillRect(const TRect& r) {
  ApplyBrush(Painter(), *this);
  Painter().fillRect(QRectF(r.Left, r.Top, r.Width(), r.Height()), Painter().brush());
}

void QPainterCanvas::Line(int x0, int y0, int x1, int y1) {
  if (x0 == x1 && y0 == y1) return;
  const TCanvasPen& p = Pen();
  if (p.Style == psClear) return;
  QPainter& painter = Painter();
  ApplyBackground(Painter(), *this);
  if (p.Width > 1) {
    ApplyPen();
    painter.setBrush(Qt::NoBrush);
    // An odd width centres on the pixel, an even one on its top-left corner, as in the image.
    const qreal centre = p.Width % 2 ? 0.5 : 0;
    painter.drawLine(QPointF(x0 + centre, y0 + centre), QPointF(x1 + centre, y1 + centre));
    return;
  }
  // Through the pixel centres, moved back by half a step of the longer axis: the line covers its
  // first pixel from the near edge and stops at the far edge of the pixel before its end, the
  // end pixel being left out.
  const int dx = x1 - x0;
  const int dy = y1 - y0;
  const qreal steps = std::max(std::abs(dx), std::abs(dy));
  const qreal backX = dx / (2 * steps);
  const qreal backY = dy / (2 * steps);
  // A line that starts where the last one with the same pen ended carries on its dash pattern.
  qreal offset = 0;
  if (lastLine_ && lastLine_->pen == p && lastLine_->endX == x0 && lastLine_->endY == y0)
    offset = lastLine_->offset;
  ApplyPen(offset);
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(QPointF(x0 + 0.5 - backX, y0 + 0.5 - backY),
                   QPointF(x1 + 0.5 - backX, y1 + 0.5 - backY));
  lastLine_ = DashState{p, x1, y1, offset + std::hypot(dx, dy)};
}

void QPainterCanvas::Polyline(std::span<const TCanvasPoint> points) {
  // Each vertex is drawn by the segment that starts there; only the last one is left out.
  for (std::size_t i = 1; i < points.size(); ++i)
    Line(points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y);
}

void QPainterCanvas::Polygon(std::span<const TCanvasPoint> points) {
  if (points.empty()) return;
  ApplyPen();
  ApplyBrush(Painter(), *this);
  ApplyBackground(Painter(), *this);
  QPolygonF polygon;
  for (const TCanvasPoint& p : points) polygon << QPointF(p.X + 0.5, p.Y + 0.5);
  Painter().drawPolygon(polygon, Qt::OddEvenFill);
}

void QPainterCanvas::Ellipse(int x0, int y0, int x1, int y1) {
  if (x1 <= x0 || y1 <= y0) return;
  ApplyPen();
  ApplyBrush(Painter(), *this);
  ApplyBackground(Painter(), *this);
  Painter().drawEllipse(QRectF(x0 + 0.5, y0 + 0.5, x1 - x0 - 1, y1 - y0 - 1));
}

void QPainterCanvas::SetPixel(int x, int y, TColor color) {
  Painter().fillRect(QRectF(x, y, 1, 1), ToQColor(color));
}

void QPainterCanvas::ClipRectangle(const TRect& r) {
  // Inside whatever clip the caller set; the canvas' own save keeps that clip for UnClipRectangle.
  QPainter& painter = Painter();
  if (clipped_) painter.restore();
  painter.save();
  clipped_ = true;
  painter.setClipRect(QRectF(r.Left, r.Top, r.Width(), r.Height()), Qt::IntersectClip);
}

void QPainterCanvas::UnClipRectangle() {
  if (!clipped_) return;
  Painter().restore();
  clipped_ = false;
}

}  // namespace chart
