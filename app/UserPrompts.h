// The message boxes the window raises: the error box, notes and yes/no questions; tests put a
// recorder in place.
#pragma once

#include <QString>

class QWidget;

namespace app {

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // Error icon, captioned with the application title; the text is shown as given.
  virtual void ShowError(QWidget* parent, const QString& text) = 0;
  // Information icon, the same caption: something the user should know that is no error.
  virtual void ShowNote(QWidget* parent, const QString& text) = 0;
  // Yes/No question; true for Yes.
  virtual bool Confirm(QWidget* parent, const QString& text) = 0;
};

class QtUserPrompts : public UserPrompts {
 public:
  void ShowError(QWidget* parent, const QString& text) override;
  void ShowNote(QWidget* parent, const QString& text) override;
  bool Confirm(QWidget* parent, const QString& text) override;
};

// The window flags of the program's dialogs: a title and a close button, nothing to minimise or
// maximise.
Qt::WindowFlags DialogWindowFlags();

}  // namespace app
