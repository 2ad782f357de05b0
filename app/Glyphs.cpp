// Draws the 16x16 menu glyphs and the 32x32 application icon.
#include "app/Glyphs.h"

#include <QPainter>
#include <QPixmap>

namespace app {

namespace {

// A small reaction-time chart: a polyline with square markers, green and red, over a white wall.
void DrawChartGlyph(QPainter& p, int size) {
  const double s = size / 16.0;
  p.fillRect(QRectF(1 * s, 1 * s, 14 * s, 14 * s), Qt::white);
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(QRectF(1 * s, 1 * s, 13 * s, 13 * s));
  const QPointF points[] = {{3 * s, 10 * s}, {6 * s, 5 * s}, {9 * s, 8 * s}, {12 * s, 4 * s}};
  p.setPen(QPen(QColor(0, 128, 0), 1));
  p.drawPolyline(points, 4);
  for (int i = 0; i < 4; ++i) {
    const QColor fill = i == 2 ? QColor(255, 0, 0) : QColor(0, 128, 0);
    p.fillRect(QRectF(points[i].x() - s, points[i].y() - s, 2 * s + 1, 2 * s + 1), fill);
  }
}

void DrawDigit(QPainter& p, int digit) {
  QFont font = p.font();
  font.setPixelSize(9);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(0, 0, 255));
  p.drawText(QRect(8, 7, 8, 9), Qt::AlignCenter, QString::number(digit));
}

void DrawFolder(QPainter& p) {
  p.setPen(QColor(128, 96, 0));
  p.setBrush(QColor(255, 215, 90));
  p.drawRect(1, 4, 13, 10);
  p.drawRect(1, 2, 5, 2);
}

void DrawDisk(QPainter& p) {
  p.setPen(Qt::black);
  p.setBrush(QColor(40, 60, 160));
  p.drawRect(1, 1, 13, 13);
  p.fillRect(4, 2, 8, 5, Qt::white);
  p.fillRect(5, 10, 6, 4, QColor(192, 192, 192));
}

void DrawPage(QPainter& p) {
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawRect(3, 1, 10, 13);
  for (int y = 4; y <= 11; y += 2) p.drawLine(5, y, 11, y);
}

}  // namespace

QIcon MenuGlyph(Glyph glyph) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  switch (glyph) {
    case Glyph::Open: DrawFolder(p); break;
    case Glyph::Plot1:
    case Glyph::Plot2:
    case Glyph::Plot3:
    case Glyph::Plot4:
      DrawChartGlyph(p, 16);
      DrawDigit(p, static_cast<int>(glyph) - static_cast<int>(Glyph::Plot1) + 1);
      break;
    case Glyph::Save: DrawDisk(p); break;
    case Glyph::SaveAnalysis: DrawPage(p); break;
    case Glyph::SaveChart: DrawChartGlyph(p, 16); break;
  }
  return QIcon(pixmap);
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (int size : {16, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    DrawChartGlyph(p, size);
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace app
