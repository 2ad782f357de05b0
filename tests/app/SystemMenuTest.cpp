// The window's own system menu: inserted items, command ids through one handler, default handling.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <vector>

#include "app/SystemMenu.h"
#include "tests/app/QtPrinters.h"

namespace app {
namespace {

QStringList Texts(QMenu* menu) {
  QStringList texts;
  for (QAction* action : menu->actions()) texts << (action->isSeparator() ? "-" : action->text());
  return texts;
}

struct MenuFixture {
  QMainWindow window;
  std::vector<unsigned> commands;
  TSystemMenu* menu =
      new TSystemMenu(&window, window.menuBar(), [this](unsigned id) { commands.push_back(id); });
};

TEST(SystemMenu, AppendsSeparatorAndItemPastTheEnd) {
  MenuFixture f;
  ASSERT_EQ(GetSystemMenu(&f.window, false), f.menu);
  const qsizetype standard = f.menu->menu()->actions().size();
  EXPECT_TRUE(InsertMenuA(GetSystemMenu(&f.window, false), 65535, MF_SEPARATOR, 1025, ""));
  EXPECT_TRUE(InsertMenuA(GetSystemMenu(&f.window, false), 65535, MF_BYPOSITION, 1025,
                          "\xCE \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE5"));  // "О программе" in CP1251
  const QStringList texts = Texts(f.menu->menu());
  ASSERT_EQ(texts.size(), standard + 2);
  EXPECT_EQ(texts[standard], "-");
  EXPECT_EQ(texts[standard + 1], QStringLiteral("О программе"));
}

TEST(SystemMenu, InsertsBeforeAPositionOrACommand) {
  MenuFixture f;
  f.menu->Insert(0, MF_BYPOSITION, 7, "first");
  EXPECT_EQ(Texts(f.menu->menu()).first(), "first");
  f.menu->Insert(SC_CLOSE, MF_BYCOMMAND, 8, "before close");
  const QStringList texts = Texts(f.menu->menu());
  EXPECT_EQ(texts[texts.size() - 2], "before close");
  EXPECT_FALSE(InsertMenuA(nullptr, 0, 0, 1, "x"));
}

TEST(SystemMenu, ChosenItemsReportTheirCommandIds) {
  MenuFixture f;
  f.menu->Insert(65535, MF_BYPOSITION, 1025, "about");
  for (QAction* action : f.menu->menu()->actions())
    if (action->text() == "about" || action->data().toUInt() == SC_MINIMIZE) action->trigger();
  EXPECT_EQ(f.commands, (std::vector<unsigned>{SC_MINIMIZE, 1025}));
}

TEST(SystemMenu, OpensFromAltSpaceAndTheMenuBar) {
  MenuFixture f;
  f.window.menuBar()->addAction("Data");
  f.window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
  QTest::keyClick(&f.window, Qt::Key_Space, Qt::AltModifier);
  EXPECT_TRUE(f.menu->menu()->isVisible());
  f.menu->menu()->hide();
  emit f.window.menuBar()->customContextMenuRequested(QPoint(5, 5));
  EXPECT_TRUE(f.menu->menu()->isVisible());
  f.menu->menu()->hide();
}

TEST(SystemMenu, DefaultHandlingActsOnStandardCommandsOnly) {
  QMainWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  DefaultSystemCommand(&window, 1025);
  EXPECT_TRUE(window.isVisible());
  DefaultSystemCommand(&window, SC_MAXIMIZE);
  EXPECT_TRUE(window.isMaximized());
  DefaultSystemCommand(&window, SC_RESTORE);
  EXPECT_FALSE(window.isMaximized());
  DefaultSystemCommand(&window, SC_CLOSE);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace app
