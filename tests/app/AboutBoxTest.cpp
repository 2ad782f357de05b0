// The about dialog: its texts and places, hidden by OK and by the close box, shown again without
// re-creation.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/ShadowLabel.h"
#include "app/TAboutBox.h"
#include "tests/app/QtPrinters.h"

namespace app {
namespace {

TEST(AboutBox, ControlsTextsAndFixedSize) {
  TAboutBox box;
  EXPECT_EQ(box.windowTitle(), QStringLiteral("О программе"));
  EXPECT_FALSE(box.isModal());
  EXPECT_EQ(box.size(), QSize(298, 225));
  EXPECT_EQ(box.minimumSize(), box.maximumSize());
  EXPECT_EQ(box.WebLabel->text(), "ZIRT-Vozezo.Rovarori");
  EXPECT_EQ(box.WebLabel->toolTip(), "Web Site");
  EXPECT_TRUE(box.WebLabel->font().bold());
  EXPECT_EQ(box.WebLabel->geometry(), QRect(56, 10, 185, 15));
  EXPECT_EQ(box.AppIcon->toolTip(), "Click twice here!");
  EXPECT_EQ(box.AppIcon->geometry(), QRect(12, 8, 32, 32));
  EXPECT_EQ(box.Label3->text(),
            QStringLiteral("Методика диагностики\nпсихических процессов\nтест Струпа"));
  EXPECT_EQ(box.Label1->text(), "2.01");
  EXPECT_EQ(box.OKButton->text(), "OK");
  EXPECT_TRUE(box.OKButton->isDefault());
  EXPECT_EQ(box.OKButton->geometry(), QRect(111, 196, 75, 25));
}

TEST(AboutBox, OkAndTheCloseBoxHideTheSameDialog) {
  TAboutBox box;
  const QWidget* const identity = &box;
  box.show();
  ASSERT_TRUE(box.isVisible());
  QTest::mouseClick(box.OKButton, Qt::LeftButton);
  EXPECT_FALSE(box.isVisible());

  box.show();
  EXPECT_TRUE(box.isVisible());
  EXPECT_TRUE(box.close());
  EXPECT_FALSE(box.isVisible());
  box.show();
  QTest::keyClick(&box, Qt::Key_Return);  // Enter presses the default button
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(identity, &box);
}

TEST(AboutBox, TheShadowIsDrawnOnePixelRightAndDown) {
  TAboutBox box;
  QPalette palette = box.WebLabel->palette();
  palette.setColor(QPalette::Light, QColor(255, 0, 0));
  palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
  palette.setColor(QPalette::Window, QColor(255, 255, 255));
  box.WebLabel->setPalette(palette);
  box.WebLabel->setAutoFillBackground(true);
  const QImage image = box.WebLabel->grab().toImage();
  // Some red (shadow) pixel has a blue (text) pixel up and to the left of it.
  bool shadowBelowText = false;
  for (int y = 1; y < image.height() && !shadowBelowText; ++y)
    for (int x = 1; x < image.width() && !shadowBelowText; ++x)
      shadowBelowText = image.pixelColor(x, y) == QColor(255, 0, 0) &&
                        image.pixelColor(x - 1, y - 1) == QColor(0, 0, 255);
  EXPECT_TRUE(shadowBelowText);
}

}  // namespace
}  // namespace app
