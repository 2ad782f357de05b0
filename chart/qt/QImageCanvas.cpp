// Drawing the chart into a QImage with QPainter.
#include "chart/qt/QImageCanvas.h"

#include <QFontMetricsF>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QString>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "chart/qt/QtCanvasStyle.h"

namespace chart {

QImageCanvas::QImageCanvas() = default;

QImageCanvas::~QImageCanvas() {
  if (painter_ && painter_->isActive()) painter_->end();
}

QString QImageCanvas::FamilyFor(const std::string& name) {
  if (name == "Arial") return QStringLiteral("Liberation Sans");
  return ToQString(name);
}

QFont QImageCanvas::QtFont(const TCanvasFont& font) {
  QFont f(FamilyFor(font.Name));
  // A negative height is the character (em) height; a positive one the cell height, which for
  // these fonts is about 1.15 em.
  const int pixels = font.Height < 0 ? -font.Height : std::max(1, font.Height * 20 / 23);
  f.setPixelSize(std::max(1, pixels));
  f.setBold(font.Style & 1);
  f.setItalic(font.Style & 2);
  f.setUnderline(font.Style & 4);
  f.setStrikeOut(font.Style & 8);
  f.setStyleStrategy(QFont::NoAntialias);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

QPainter& QImageCanvas::Painter() {
  if (!painter_) painter_ = std::make_unique<QPainter>();
  if (!painter_->isActive()) {
    if (image_.isNull()) image_ = QImage(1, 1, QImage::Format_RGB32);
    painter_->begin(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
  }
  return *painter_;
}

int QImageCanvas::FontMeasures::Width(const QString& text) {
  if (const auto known = widths.constFind(text); known != widths.cend()) return *known;
  // A chart's labels are a few dozen numbers and names, most of them the same from one chart to
  // the next; titles differ from record to record, so a long run starts afresh now and then
  // rather than keep every one.
  if (widths.size() >= 256) widths.clear();
  return *widths.insert(text, metrics.horizontalAdvance(text));
}

QImageCanvas::FontMeasures& QImageCanvas::Measures() {
  // The colour does not change the measures.
  const auto same = [this](const TCanvasFont& font) {
    return font.Name == Font().Name && font.Height == Font().Height && font.Style == Font().Style;
  };
  if (measures_ && same(measures_->font)) return *measures_;
  for (const auto& known : fonts_)
    if (same(known->font)) return *(measures_ = known.get());
  if (fonts_.size() >= 16) fonts_.clear();
  const QFont font = QtFont(Font());
  // The whole cell, ascent plus descent rounded up once: 13 pixels for an 11-pixel Arial, where
  // rounding ascent and descent separately would give 12.
  const QFontMetricsF exact(font);
  fonts_.push_back(std::make_unique<FontMeasures>(
      FontMeasures{Font(),
                   font,
                   QFontMetrics(font),
                   static_cast<int>(std::ceil(exact.ascent() + exact.descent())),
                   {}}));
  return *(measures_ = fonts_.back().get());
}

TRect QImageCanvas::PrepareImage(int width, int height) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (image_.width() != width || image_.height() != height) {
    if (painter_ && painter_->isActive()) painter_->end();
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(Qt::white);
  }
  Painter();
  clip_.reset();
  return TRect{0, 0, width, height};
}

void QImageCanvas::CopyToWindow() {
  // The window reads the image only once nothing paints on it any more.
  if (painter_ && painter_->isActive()) painter_->end();
  if (OnCopyToWindow) OnCopyToWindow(image_);
}

void QImageCanvas::ApplyPen() {
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
    pen.setCosmetic(true);
    pen.setWidth(1);
    if (p.SmallDots)
      pen.setDashPattern({1, 1});
    else if (const QList<qreal> dashes = DashPattern(p.Style); !dashes.isEmpty())
      pen.setDashPattern(dashes);
  } else {
    // Pens wider than one pixel always draw solid lines.
    pen.setWidth(p.Width);
  }
  painter.setPen(pen);
}

void QImageCanvas::ApplyFont() {
  Painter().setFont(Measures().qtFont);
  Painter().setPen(ToQColor(Font().Color));
}

int QImageCanvas::TextWidth(std::string_view text) { return Measures().Width(ToQString(text)); }

int QImageCanvas::TextHeight(std::string_view) { return Measures().cellHeight; }

void QImageCanvas::DrawAlignedText(int x, int y, const QString& text, bool opaque) {
  FontMeasures& measures = Measures();
  const unsigned align = TextAlign();
  int left = x;
  if ((align & kAlignCenter) == kAlignCenter)
    left = x - measures.Width(text) / 2;
  else if (align & kAlignRight)
    left = x - measures.Width(text);
  const int top = (align & kAlignBottom) ? y - measures.cellHeight : y;
  QPainter& painter = Painter();
  // An opaque background fills the text's cell in the background colour first.
  if (opaque)
    painter.fillRect(QRect(left, top, measures.Width(text), measures.cellHeight),
                     ToQColor(BackColor()));
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.drawText(QPoint(left, top + measures.metrics.ascent()), text);
}

void QImageCanvas::TextOut(int x, int y, std::string_view text) {
  ApplyFont();
  DrawAlignedText(x, y, ToQString(text), BackMode() == bmOpaque);
}

void QImageCanvas::RotatedTextOut(int x, int y, std::string_view text, int angle) {
  if (angle > 360) angle -= 360;
  QPainter& painter = Painter();
  ApplyFont();
  painter.save();
  painter.translate(x, y);
  painter.rotate(-angle);
  DrawAlignedText(0, 0, ToQString(text), false);
  painter.restore();
}

void QImageCanvas::Rectangle(int x0, int y0, int x1, int y1) {
  if (x1 <= x0 || y1 <= y0) return;
  ApplyPen();
  ApplyBrush(Painter(), *this);
  ApplyBackground(Painter(), *this);
  QPainter& painter = Painter();
  if (Pen().Style == psClear) {
    // Without a pen the fill is one pixel smaller on the right and at the bottom, where the
    // outline would have been.
    painter.fillRect(QRect(x0, y0, x1 - x0 - 1, y1 - y0 - 1), painter.brush());
    return;
  }
  // An aliased 1-pixel outline of QRect(x, y, w, h) covers x..x+w, y..y+h.
  painter.drawRect(QRect(x0, y0, x1 - x0 - 1, y1 - y0 - 1));
}

void QImageCanvas::FillRect(const TRect& r) {
  ApplyBrush(Painter(), *this);
  Painter().fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Painter().brush());
}

void QImageCanvas::Line(int x0, int y0, int x1, int y1) {
  if (x0 == x1 && y0 == y1) return;
  const TCanvasPen& p = Pen();
  if (p.Style == psClear) return;
  if (p.Width > 1) {
    ApplyPen();
    ApplyBackground(Painter(), *this);
    Painter().drawLine(QPoint(x0, y0), QPoint(x1, y1));
    return;
  }
  DrawThinLine(x0, y0, x1, y1);
}

void QImageCanvas::DrawThinLine(int x0, int y0, int x1, int y1) {
  // Stepped here rather than by QPainter, which leaves out the pixel with the larger coordinate
  // whichever way the line runs; a chart line leaves out its end point itself.
  const TCanvasPen& p = Pen();
  const QList<qreal> pattern = p.SmallDots ? QList<qreal>{1, 1} : DashPattern(p.Style);
  const int dx = std::abs(x1 - x0);
  const int dy = std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  const int steps = std::max(dx, dy);
  const int major = std::max(dx, dy);
  const int minor = std::min(dx, dy);
  int err = major / 2;
  int x = x0;
  int y = y0;
  // A line that starts where the last one with the same pen ended carries on its dash pattern,
  // so a polyline drawn segment by segment is dashed along its whole length.
  int dash = 0;  // index into the pattern
  int dashLeft = pattern.isEmpty() ? 0 : static_cast<int>(pattern[0]);
  if (!pattern.isEmpty() && lastLine_ && lastLine_->pen == p && lastLine_->endX == x0 &&
      lastLine_->endY == y0) {
    dash = lastLine_->dash;
    dashLeft = lastLine_->dashLeft;
  }
  // The pixels are written straight into the image as they are stepped: far cheaper than a
  // painter call per pixel. The gaps of an opaque pen take the background colour.
  const QRect bounds = WritableRect();
  uchar* const bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  const QRgb ink = ToQColor(p.Color).rgb();
  const bool opaque = BackMode() == bmOpaque;
  const QRgb gap = opaque ? ToQColor(BackColor()).rgb() : ink;
  for (int i = 0; i < steps; ++i) {
    const bool on = pattern.isEmpty() || dash % 2 == 0;
    if ((on || opaque) && x >= bounds.left() && x <= bounds.right() && y >= bounds.top() &&
        y <= bounds.bottom())
      reinterpret_cast<QRgb*>(bits + y * stride)[x] = on ? ink : gap;
    if (!pattern.isEmpty() && --dashLeft == 0) {
      dash = (dash + 1) % static_cast<int>(pattern.size());
      dashLeft = static_cast<int>(pattern[dash]);
    }
    if (dx >= dy)
      x += sx;
    else
      y += sy;
    err -= minor;
    if (err < 0) {
      err += major;
      if (dx >= dy)
        y += sy;
      else
        x += sx;
    }
  }
  lastLine_ = DashState{p, x1, y1, dash, dashLeft};
}

QRect QImageCanvas::WritableRect() {
  // The painter is active, so the image is not shared and its pixels may be written directly.
  Painter();
  QRect bounds = image_.rect();
  if (clip_) bounds &= QRect(clip_->Left, clip_->Top, clip_->Width(), clip_->Height());
  return bounds;
}

void QImageCanvas::Polyline(std::span<const TCanvasPoint> points) {
  // Each vertex is drawn by the segment that starts there; only the last one is left out.
  for (std::size_t i = 1; i < points.size(); ++i)
    Line(points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y);
}

void QImageCanvas::Polygon(std::span<const TCanvasPoint> points) {
  if (points.empty()) return;
  ApplyPen();
  ApplyBrush(Painter(), *this);
  ApplyBackground(Painter(), *this);
  QPolygon polygon;
  for (const TCanvasPoint& p : points) polygon << QPoint(p.X, p.Y);
  Painter().drawPolygon(polygon, Qt::OddEvenFill);
}

void QImageCanvas::Ellipse(int x0, int y0, int x1, int y1) {
  if (x1 <= x0 || y1 <= y0) return;
  ApplyPen();
  ApplyBrush(Painter(), *this);
  ApplyBackground(Painter(), *this);
  Painter().drawEllipse(QRect(x0, y0, x1 - x0 - 1, y1 - y0 - 1));
}

void QImageCanvas::SetPixel(int x, int y, TColor color) {
  if (WritableRect().contains(x, y))
    reinterpret_cast<QRgb*>(image_.bits() + y * image_.bytesPerLine())[x] = ToQColor(color).rgb();
}

void QImageCanvas::ClipRectangle(const TRect& r) {
  clip_ = r;
  Painter().setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()));
}

void QImageCanvas::UnClipRectangle() {
  clip_.reset();
  Painter().setClipping(false);
}

}  // namespace chart
