// The window from the keyboard: the command shortcuts (Save's only while Save can be chosen), F1,
// F10 and Alt into the menu bar with the selected item highlighted, Tab and Ctrl+Tab in the report.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/ReportView.h"
#include "app/SystemMenu.h"
#include "tests/app/QtPrinters.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/TestRecord.h"

namespace app {
namespace {

using test::WindowFixture;

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    f.form.show();
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
  }
  void Load() {
    f.Open(f.WriteRecord("0507.txt", testsupport::RecordOf("0507", 12)));
    ASSERT_TRUE(f.prompts.errors.empty());
  }
  // The title of the dialog the key opened, or "" when it opened none.
  QString DialogOpenedBy(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    const size_t before = f.dialogs.calls.size();
    QTest::keyClick(&f.form, key, modifiers);
    return f.dialogs.calls.size() == before ? QString() : f.dialogs.calls.back().title;
  }
  WindowFixture f;
};

TEST_F(Keyboard, ShortcutsRunTheirCommandsAndSavesOnlyOnceARecordIsLoaded) {
  const QString open = QStringLiteral("Данные по методике \"Тест Струпа\"");
  const QString report = QStringLiteral("Запись результатов анализа в txt.файл");
  const QString chart = QStringLiteral("Запись времени ответов в gif-файл");
  EXPECT_EQ(DialogOpenedBy(Qt::Key_O, Qt::ControlModifier), open);
  EXPECT_EQ(DialogOpenedBy(Qt::Key_S, Qt::ControlModifier), "");
  EXPECT_EQ(DialogOpenedBy(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier), "");
  QTest::keyClick(&f.form, Qt::Key_3, Qt::ControlModifier);
  EXPECT_EQ(f.form.CurrentSubtest(), 1);  // nothing to plot yet

  Load();
  const struct {
    Qt::Key key;
    int subtest;
  } plots[] = {{Qt::Key_3, 3}, {Qt::Key_2, 2}, {Qt::Key_4, 4}, {Qt::Key_1, 1}};
  for (const auto& plot : plots) {
    QTest::keyClick(&f.form, plot.key, Qt::ControlModifier);
    EXPECT_EQ(f.form.CurrentSubtest(), plot.subtest);
  }
  EXPECT_EQ(DialogOpenedBy(Qt::Key_S, Qt::ControlModifier), report);
  EXPECT_EQ(DialogOpenedBy(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier), chart);
  EXPECT_EQ(DialogOpenedBy(Qt::Key_O, Qt::ControlModifier), open);
}

TEST_F(Keyboard, ShortcutsAreShownBesideTheirItems) {
  // clang-format off
  const std::pair<QAction*, const char*> items[] = {
      {f.form.mmOpen, "Ctrl+O"},          {f.form.mmPlot1, "Ctrl+1"},
      {f.form.mmPlot4, "Ctrl+4"},         {f.form.mmSaveAnalysis, "Ctrl+S"},
      {f.form.mmSaveChart5sec, "Ctrl+Shift+S"},
      {f.form.SystemMenu()->menu()->actions().last(), "F1"},
  };
  // clang-format on
  for (const auto& [item, text] : items)
    EXPECT_EQ(item->shortcut().toString(QKeySequence::PortableText), text) << item->text();
  // The bar draws each item's shortcut after its caption: the item is wider than glyph and caption.
  const QRect data = f.form.menuBar()->actionGeometry(f.form.mmOpen);
  const int caption = f.form.menuBar()->fontMetrics().horizontalAdvance("Data");
  const int shortcut = f.form.menuBar()->fontMetrics().horizontalAdvance("Ctrl+O");
  EXPECT_GE(data.width(), 16 + caption + shortcut);
}

TEST_F(Keyboard, F1ShowsTheAboutDialog) {
  QTest::keyClick(&f.form, Qt::Key_F1);
  EXPECT_TRUE(f.about.isVisible());
  f.about.hide();
}

// How many pixels of the item's rectangle have the palette's highlight colour.
int HighlightedPixels(QMenuBar* bar, QAction* item) {
  const QImage image = bar->grab(bar->actionGeometry(item)).toImage();
  const QRgb highlight = bar->palette().color(QPalette::Highlight).rgb();
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == highlight;
  return count;
}

TEST_F(Keyboard, F10AndAltOpenTheMenuBarWithTheFirstItemHighlighted) {
  QMenuBar* bar = f.form.menuBar();
  EXPECT_EQ(HighlightedPixels(bar, f.form.mmOpen), 0);
  for (const Qt::Key key : {Qt::Key_F10, Qt::Key_Alt}) {
    QTest::keyClick(&f.form, key, key == Qt::Key_Alt ? Qt::AltModifier : Qt::NoModifier);
    EXPECT_TRUE(bar->hasFocus()) << key;
    EXPECT_EQ(bar->activeAction(), f.form.mmOpen) << key;
    EXPECT_GT(HighlightedPixels(bar, f.form.mmOpen), 100) << key;
    QTest::keyClick(bar, Qt::Key_Escape);
    EXPECT_EQ(bar->activeAction(), nullptr) << key;
    EXPECT_EQ(HighlightedPixels(bar, f.form.mmOpen), 0) << key;
  }
  // Enter on the highlighted item chooses it.
  QTest::keyClick(&f.form, Qt::Key_F10);
  QTest::keyClick(bar, Qt::Key_Return);
  ASSERT_EQ(f.dialogs.calls.size(), 1u);
  EXPECT_EQ(f.dialogs.calls[0].kind, TFileDialog::Kind::Open);
}

TEST_F(Keyboard, TabLeavesTheReportAndCtrlTabTypesATab) {
  Load();
  ReportView* report = f.form.meAnalysis;
  report->setPlainText("ab");
  report->setFocus();
  ASSERT_TRUE(report->hasFocus());
  QTest::keyClick(report, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(report->toPlainText(), "\tab");
  QTest::keyClick(report, Qt::Key_Tab);
  EXPECT_EQ(report->toPlainText(), "\tab");
  EXPECT_FALSE(report->hasFocus());
}

}  // namespace
}  // namespace app
