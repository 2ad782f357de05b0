// Message boxes captioned with the application title, with only a close button on their frame.
#include "app/UserPrompts.h"

#include <QMessageBox>

#include "app/ApplicationTitle.h"

namespace app {

namespace {

QMessageBox::StandardButton Run(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton byDefault) {
  QMessageBox box(icon, QString::fromLatin1(kApplicationTitle), text, buttons, parent,
                  DialogWindowFlags());
  box.setDefaultButton(byDefault);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

Qt::WindowFlags DialogWindowFlags() {
  return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
         Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

void QtUserPrompts::ShowError(QWidget* parent, const QString& text) {
  Run(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtUserPrompts::ShowNote(QWidget* parent, const QString& text) {
  Run(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtUserPrompts::Confirm(QWidget* parent, const QString& text) {
  return Run(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
             QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace app
