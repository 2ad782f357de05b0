// Builds the about dialog's controls at their fixed places.
#include "app/TAboutBox.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/Glyphs.h"
#include "app/ShadowLabel.h"
#include "app/UserPrompts.h"

namespace app {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent, DialogWindowFlags()) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("О программе"));
  setWindowIcon(ApplicationIcon());
  setModal(false);
  // The dialog lives as long as the program and must not keep it running once the main window
  // closes.
  setAttribute(Qt::WA_QuitOnClose, false);
  QFont dialogFont(QStringLiteral("MS Sans Serif"));
  dialogFont.setPixelSize(11);
  setFont(dialogFont);
  setFixedSize(298, 225);

  // Panel2: lowered outer bevel with a raised inner one.
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel2"));
  panel->setGeometry(8, 8, 281, 185);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* inner = new QFrame(panel);
  inner->setGeometry(1, 1, 279, 183);
  inner->setFrameStyle(QFrame::Panel | QFrame::Raised);

  WebLabel = new ShadowLabel(QStringLiteral("ZIRT-Vozezo.Rovarori"), panel);
  WebLabel->setObjectName(QStringLiteral("WebLabel"));
  WebLabel->setGeometry(56, 10, 185, 15);
  QFont bold = dialogFont;
  bold.setBold(true);
  WebLabel->setFont(bold);
  WebLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  WebLabel->setWordWrap(true);
  WebLabel->setToolTip(QStringLiteral("Web Site"));

  AppIcon = new QLabel(panel);
  AppIcon->setObjectName(QStringLiteral("AppIcon"));
  AppIcon->setGeometry(12, 8, 32, 32);
  AppIcon->setPixmap(ApplicationIcon().pixmap(32, 32));
  AppIcon->setToolTip(QStringLiteral("Click twice here!"));

  Label3 =
      new QLabel(QStringLiteral("Методика диагностики\nпсихических процессов\nтест Струпа"), panel);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setGeometry(93, 28, 120, 39);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Label1 = new QLabel(QStringLiteral("2.01"), panel);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->move(13, 76);
  Label1->adjustSize();

  auto* bevel = new QFrame(panel);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setGeometry(5, 120, 271, 2);
  bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(111, 196, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void TAboutBox::OKButtonClick() { hide(); }

}  // namespace app
