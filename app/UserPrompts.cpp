// Message boxes captioned with the application title.
#include "app/UserPrompts.h"

#include <QMessageBox>

#include "app/ApplicationTitle.h"

namespace app {

void QtUserPrompts::ShowError(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, QString::fromLatin1(kApplicationTitle), text);
}

bool QtUserPrompts::Confirm(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, QString::fromLatin1(kApplicationTitle), text,
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace app
