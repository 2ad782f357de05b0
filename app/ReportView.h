// The report view: an editable text view in which Tab moves the focus on, as everywhere else in the
// window, and Ctrl+Tab types a tab character.
#pragma once

#include <QPlainTextEdit>

namespace app {

class ReportView : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit ReportView(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace app
