// Lets the menu bar show a top-level item's glyph, caption and shortcut side by side (Qt's own
// styles draw only the icon of an item that has one, and no shortcut), and highlights the item the
// keyboard selected after Alt or F10 (Qt's Fusion style highlights only an open item).
#pragma once

#include <QProxyStyle>

namespace app {

class MenuBarStyle : public QProxyStyle {
  Q_OBJECT
 public:
  using QProxyStyle::QProxyStyle;

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget = nullptr) const override;
};

}  // namespace app
