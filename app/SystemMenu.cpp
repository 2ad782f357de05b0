// The window's own system menu and the default handling of system commands.
#include "app/SystemMenu.h"

#include <QMenuBar>
#include <QShortcut>
#include <QWindow>

#include "app/Cp1251Text.h"

namespace app {

namespace {

constexpr char kSystemMenuProperty[] = "stroopSystemMenu";

}  // namespace

TSystemMenu::TSystemMenu(QWidget* window, QMenuBar* menuBar, CommandHandler handler)
    : QObject(window), window_(window), menu_(window), handler_(std::move(handler)) {
  window->setProperty(kSystemMenuProperty, QVariant::fromValue(static_cast<QObject*>(this)));
  AddCommand(QStringLiteral("Восстановить"), SC_RESTORE);
  AddCommand(QStringLiteral("Переместить"), SC_MOVE);
  AddCommand(QStringLiteral("Свернуть"), SC_MINIMIZE);
  AddCommand(QStringLiteral("Развернуть"), SC_MAXIMIZE);
  menu_.addSeparator();
  QAction* close = AddCommand(QStringLiteral("Закрыть"), SC_CLOSE);
  close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
  connect(&menu_, &QMenu::aboutToShow, this, [this] {
    // Restore and Maximize are offered only where they change something: Restore for a maximised or
    // minimised window, Maximize for one that is not maximised.
    const bool maximised = window_->isMaximized();
    for (QAction* action : menu_.actions()) {
      const unsigned id = action->data().toUInt();
      if (id == SC_RESTORE) action->setEnabled(maximised || window_->isMinimized());
      if (id == SC_MAXIMIZE) action->setEnabled(!maximised);
    }
  });

  auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), window);
  connect(shortcut, &QShortcut::activated, this,
          [this] { Popup(window_->mapToGlobal(QPoint(0, 0))); });
  if (menuBar) {
    menuBar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(menuBar, &QWidget::customContextMenuRequested, this,
            [this, menuBar](const QPoint& pos) { Popup(menuBar->mapToGlobal(pos)); });
  }
}

QAction* TSystemMenu::AddCommand(const QString& text, unsigned commandId) {
  QAction* action = menu_.addAction(text);
  action->setData(commandId);
  connect(action, &QAction::triggered, this, [this, commandId] { Choose(commandId); });
  return action;
}

bool TSystemMenu::Insert(unsigned position, unsigned flags, std::uintptr_t commandId,
                         const char* text) {
  const QList<QAction*> actions = menu_.actions();
  QAction* before = nullptr;
  if (flags & MF_BYPOSITION) {
    if (position < static_cast<unsigned>(actions.size())) before = actions[position];
  } else {
    for (QAction* action : actions)
      if (!action->isSeparator() && action->data().toUInt() == position) before = action;
  }
  QAction* item;
  if (flags & MF_SEPARATOR) {
    item = new QAction(&menu_);
    item->setSeparator(true);
  } else {
    const auto id = static_cast<unsigned>(commandId);
    item = new QAction(FromCp1251(text ? text : ""), &menu_);
    item->setData(id);
    connect(item, &QAction::triggered, this, [this, id] { Choose(id); });
  }
  menu_.insertAction(before, item);
  return true;
}

void TSystemMenu::Choose(unsigned commandId) { handler_(commandId); }

void TSystemMenu::Popup(const QPoint& globalPos) { menu_.popup(globalPos); }

TSystemMenu* GetSystemMenu(QWidget* window, [[maybe_unused]] bool revert) {
  return qobject_cast<TSystemMenu*>(window->property(kSystemMenuProperty).value<QObject*>());
}

bool InsertMenuA(TSystemMenu* menu, unsigned position, unsigned flags, std::uintptr_t newItemId,
                 const char* newItemText) {
  return menu != nullptr && menu->Insert(position, flags, newItemId, newItemText);
}

void DefaultSystemCommand(QWidget* window, unsigned commandId) {
  switch (commandId) {
    case SC_RESTORE: window->showNormal(); break;
    case SC_MOVE:
      if (window->windowHandle()) window->windowHandle()->startSystemMove();
      break;
    case SC_MINIMIZE: window->showMinimized(); break;
    case SC_MAXIMIZE: window->showMaximized(); break;
    case SC_CLOSE: window->close(); break;
    default: break;
  }
}

}  // namespace app
