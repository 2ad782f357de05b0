// Paints the label text twice: the highlight-coloured shadow, then the text itself.
#include "app/ShadowLabel.h"

#include <QPainter>

namespace app {

void ShadowLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::Light));
  painter.drawText(contentsRect().translated(1, 1), flags, text());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(contentsRect(), flags, text());
}

}  // namespace app
