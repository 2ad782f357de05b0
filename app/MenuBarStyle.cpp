// Draws menu-bar items as glyph, gap, caption.
#include "app/MenuBarStyle.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

namespace app {

namespace {

constexpr int kGlyphSize = 16;
constexpr int kGap = 4;

bool HasGlyphAndText(const QStyleOption* option) {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  return item && !item->icon.isNull() && !item->text.isEmpty();
}

}  // namespace

void MenuBarStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  if (element != CE_MenuBarItem || !HasGlyphAndText(option)) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  // The base style paints the item's background (and its highlight) when given neither icon nor
  // text.
  QStyleOptionMenuItem background = *item;
  background.icon = QIcon();
  background.text.clear();
  QProxyStyle::drawControl(element, &background, painter, widget);

  const bool enabled = item->state & State_Enabled;
  const QRect inner = item->rect.adjusted(kGap, 0, -kGap, 0);
  const QRect glyphRect(inner.left(), inner.center().y() - kGlyphSize / 2 + 1, kGlyphSize,
                        kGlyphSize);
  item->icon.paint(painter, glyphRect, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);
  const QRect textRect = inner.adjusted(kGlyphSize + kGap, 0, 0, 0);
  const bool selected = (item->state & State_Selected) && (item->state & State_Sunken);
  drawItemText(painter, textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
               item->palette, enabled, item->text,
               selected ? QPalette::HighlightedText : QPalette::ButtonText);
}

QSize MenuBarStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const {
  if (type != CT_MenuBarItem || !HasGlyphAndText(option))
    return QProxyStyle::sizeFromContents(type, option, size, widget);
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  const QSize text = item->fontMetrics.size(Qt::TextShowMnemonic, item->text);
  const QSize contents(kGlyphSize + kGap + text.width() + 2 * kGap,
                       qMax(kGlyphSize, text.height()));
  return QProxyStyle::sizeFromContents(type, option, contents, widget);
}

}  // namespace app
