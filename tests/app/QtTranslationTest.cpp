// Qt's own texts in Russian while the translation is installed; the program's fixed English
// captions stay.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include "app/QtTranslation.h"
#include "tests/app/QtPrinters.h"
#include "tests/app/WindowFixture.h"

namespace app {
namespace {

QString YesButtonText() {
  QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No);
  return box.button(QMessageBox::Yes)->text();
}

TEST(RussianQtTexts, QtsButtonsAndDialogsSpeakRussianOurCaptionsStay) {
  const QString english = YesButtonText();
  {
    const RussianQtTexts russian;
    ASSERT_TRUE(russian.Loaded()) << "qt6-translations-l10n is not installed";
    EXPECT_EQ(YesButtonText(), QStringLiteral("&Да"));
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
    test::WindowFixture f;
    EXPECT_EQ(f.form.mmOpen->text(), "Data");
    EXPECT_EQ(f.form.menuBar()->actions().last()->text(), "Save");
  }
  EXPECT_EQ(YesButtonText(), english);
}

}  // namespace
}  // namespace app
