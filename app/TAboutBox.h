// The about dialog: names the program and the method; modeless, fixed size, hidden by OK and the
// close box.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace app {

class ShadowLabel;

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  ShadowLabel* WebLabel;
  QLabel* AppIcon;
  QLabel* Label3;
  QLabel* Label1;
  QPushButton* OKButton;

  void OKButtonClick();
};

}  // namespace app
