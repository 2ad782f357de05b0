// Tab leaves the view, Ctrl+Tab types a tab; the context menu ends with the report's commands.
#include "app/ReportView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <memory>

namespace app {

ReportView::ReportView(QWidget* parent) : QPlainTextEdit(parent) { setTabChangesFocus(true); }

void ReportView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier) {
    insertPlainText(QStringLiteral("\t"));
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

QMenu* ReportView::CreateContextMenu() {
  QMenu* menu = createStandardContextMenu();
  if (!reportActions_.isEmpty()) {
    menu->addSeparator();
    menu->addActions(reportActions_);
  }
  return menu;
}

void ReportView::contextMenuEvent(QContextMenuEvent* event) {
  const std::unique_ptr<QMenu> menu(CreateContextMenu());
  menu->exec(event->globalPos());
}

}  // namespace app
