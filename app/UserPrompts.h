// The message boxes the window raises: the error box and yes/no questions; tests put a recorder in
// place.
#pragma once

#include <QString>

class QWidget;

namespace app {

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // Error icon, captioned with the application title; the text is shown as given.
  virtual void ShowError(QWidget* parent, const QString& text) = 0;
  // Yes/No question; true for Yes.
  virtual bool Confirm(QWidget* parent, const QString& text) = 0;
};

class QtUserPrompts : public UserPrompts {
 public:
  void ShowError(QWidget* parent, const QString& text) override;
  bool Confirm(QWidget* parent, const QString& text) override;
};

}  // namespace app
