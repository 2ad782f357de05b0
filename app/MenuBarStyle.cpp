// Draws menu-bar items as glyph, gap, caption, gap, shortcut.
#include "app/MenuBarStyle.h"

#include <QAction>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace app {

namespace {

constexpr int kGlyphSize = 16;
constexpr int kGap = 4;
constexpr int kShortcutGap = 10;

const QStyleOptionMenuItem* GlyphAndText(const QStyleOption* option) {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  return item && !item->icon.isNull() && !item->text.isEmpty() ? item : nullptr;
}

// The shortcut of the bar's item with this caption (captions are unique), as the user reads it.
QString ShortcutText(const QStyleOptionMenuItem& item, const QWidget* widget) {
  const auto* bar = qobject_cast<const QMenuBar*>(widget);
  if (!bar) return {};
  for (const QAction* action : bar->actions())
    if (action->text() == item.text) return action->shortcut().toString(QKeySequence::NativeText);
  return {};
}

// The bar has the keyboard focus only while Alt or F10 put it into keyboard navigation.
bool KeyboardSelected(const QStyleOptionMenuItem& item, const QWidget* widget) {
  return (item.state & QStyle::State_Selected) && widget && widget->hasFocus();
}

}  // namespace

void MenuBarStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  const QStyleOptionMenuItem* item = element == CE_MenuBarItem ? GlyphAndText(option) : nullptr;
  if (!item) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  // The base style paints the item's background (and its highlight) when given neither icon nor
  // text; it highlights a sunken item, so the keyboard's selection is passed on as one.
  const bool keyboard = KeyboardSelected(*item, widget);
  QStyleOptionMenuItem background = *item;
  background.icon = QIcon();
  background.text.clear();
  if (keyboard) background.state |= State_Sunken;
  QProxyStyle::drawControl(element, &background, painter, widget);

  const bool enabled = item->state & State_Enabled;
  const QRect inner = item->rect.adjusted(kGap, 0, -kGap, 0);
  const QRect glyphRect(inner.left(), inner.center().y() - kGlyphSize / 2 + 1, kGlyphSize,
                        kGlyphSize);
  item->icon.paint(painter, glyphRect, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);
  const QRect textRect = inner.adjusted(kGlyphSize + kGap, 0, 0, 0);
  const bool selected =
      (item->state & State_Selected) && ((item->state & State_Sunken) || keyboard);
  const QPalette::ColorRole role = selected ? QPalette::HighlightedText : QPalette::ButtonText;
  drawItemText(painter, textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
               item->palette, enabled, item->text, role);
  const QString shortcut = ShortcutText(*item, widget);
  if (!shortcut.isEmpty())
    drawItemText(painter, textRect, Qt::AlignRight | Qt::AlignVCenter, item->palette, enabled,
                 shortcut, role);
}

QSize MenuBarStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const {
  const QStyleOptionMenuItem* item = type == CT_MenuBarItem ? GlyphAndText(option) : nullptr;
  if (!item) return QProxyStyle::sizeFromContents(type, option, size, widget);
  QSize text = item->fontMetrics.size(Qt::TextShowMnemonic, item->text);
  const QString shortcut = ShortcutText(*item, widget);
  if (!shortcut.isEmpty())
    text.rwidth() += kShortcutGap + item->fontMetrics.horizontalAdvance(shortcut);
  const QSize contents(kGlyphSize + kGap + text.width() + 2 * kGap,
                       qMax(kGlyphSize, text.height()));
  return QProxyStyle::sizeFromContents(type, option, contents, widget);
}

}  // namespace app
