// Tab leaves the view, Ctrl+Tab types a tab.
#include "app/ReportView.h"

#include <QKeyEvent>

namespace app {

ReportView::ReportView(QWidget* parent) : QPlainTextEdit(parent) { setTabChangesFocus(true); }

void ReportView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier) {
    insertPlainText(QStringLiteral("\t"));
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

}  // namespace app
