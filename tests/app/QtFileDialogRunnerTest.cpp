// The Qt dialog shows the filter's description as written and offers files by its patterns, any
// case.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <filesystem>
#include <set>

#include "app/QtFileDialogRunner.h"
#include "tests/app/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace app {
namespace {

class NoRunner : public FileDialogRunner {
 public:
  std::optional<QString> Run(const TFileDialog&, QWidget*) override { return std::nullopt; }
};

QString PathOf(const testsupport::TempFolder& folder) {
  return QString::fromStdString(folder.Path().string());
}

std::set<QString> OfferedNames(QFileDialog& dialog, const QString& dir) {
  auto* proxy = dialog.proxyModel();
  auto* files = static_cast<QFileSystemModel*>(proxy->sourceModel());
  // The file-system model lists folders in the background; wait until the listing is complete.
  QDeadlineTimer deadline(5000);
  std::set<QString> names;
  while (!deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const QModelIndex root = proxy->mapFromSource(files->index(dir));
    names.clear();
    for (int row = 0; row < proxy->rowCount(root); ++row)
      names.insert(proxy->index(row, 0, root).data().toString());
    if (files->rowCount(files->index(dir)) == 6) break;
  }
  return names;
}

TEST(QtFileDialog, OpenDialogOffersRecordsByPatternWithoutRegardToCase) {
  const testsupport::TempFolder dir;
  for (const char* name : {"record.txt", "RECORD2.TXT", "old.cry", "picture.gif", "notes.doc"})
    dir.Write(name, "");
  ASSERT_TRUE(std::filesystem::create_directory(dir / "sub"));

  NoRunner runner;
  TFileDialog dialog(TFileDialog::Kind::Open, runner);
  dialog.Title = QStringLiteral("Данные по методике \"Тест Струпа\"");
  dialog.InitialDir = PathOf(dir);
  dialog.Filter = "Data files (*.txt;*.cry)|*.TXT;*CRY";
  auto qt = MakeQtFileDialog(dialog, nullptr);

  EXPECT_EQ(qt->windowTitle(), dialog.Title);
  EXPECT_EQ(qt->nameFilters(), QStringList{"Data files (*.txt;*.cry)"});
  EXPECT_EQ(qt->acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(OfferedNames(*qt, PathOf(dir)),
            (std::set<QString>{"record.txt", "RECORD2.TXT", "old.cry", "sub"}));
}

TEST(QtFileDialog, SaveDialogKeepsTheProposedNameAndAsksBeforeReplacingOnlyWhenTold) {
  const testsupport::TempFolder dir;
  NoRunner runner;
  TFileDialog dialog(TFileDialog::Kind::Save, runner);
  dialog.Filter = "Reults files (*.txt;*gif)|*.TXT;*GIF";
  dialog.FileName = PathOf(dir) + "/5012 Stroop.txt";
  auto asking = MakeQtFileDialog(dialog, nullptr);
  EXPECT_EQ(asking->nameFilters(), QStringList{"Reults files (*.txt;*gif)"});
  EXPECT_EQ(asking->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_TRUE(asking->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(asking->directory().absolutePath(), PathOf(dir));

  dialog.OverwritePrompt = true;
  auto prompting = MakeQtFileDialog(dialog, nullptr);
  EXPECT_FALSE(prompting->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(QtFileDialog, AFolderQtCannotOpenKeepsTheWholeProposedPath) {
  const testsupport::TempFolder dir;
  NoRunner runner;
  TFileDialog dialog(TFileDialog::Kind::Save, runner);
  // A results folder not made yet, and a program folder whose name is not valid UTF-8 as Qt shows
  // it.
  for (const QString& folder :
       {PathOf(dir) + "/Results",
        PathOf(dir) + "/" + QString(3, QChar::ReplacementCharacter) + "/Results"}) {
    dialog.InitialDir = folder;
    dialog.FileName = folder + "/0507 1.Stroop.gif";
    auto qt = MakeQtFileDialog(dialog, nullptr);
    EXPECT_EQ(qt->directory().absolutePath(), PathOf(dir));
    QMetaObject::invokeMethod(qt.get(), "accept");  // Enter
    EXPECT_EQ(qt->result(), QDialog::Accepted);
    EXPECT_EQ(qt->selectedFiles(), QStringList{dialog.FileName});
  }
}

TEST(QtFileDialog, OpensLargeEnoughForItsColumns) {
  NoRunner runner;
  TFileDialog dialog(TFileDialog::Kind::Open, runner);
  auto qt = MakeQtFileDialog(dialog, nullptr);
  const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
  EXPECT_EQ(qt->size(), QSize(960, 600).boundedTo(screen * 9 / 10));
  EXPECT_GT(qt->width(), 624);  // Qt's own 624 x 408 cuts the names and dates
}

TEST(QtFileDialog, EachKindComesBackAtTheFolderAndSizeLastLeft) {
  const testsupport::TempFolder dir;
  ASSERT_TRUE(std::filesystem::create_directory(dir / "chosen"));
  NoRunner runner;
  TFileDialog dialog(TFileDialog::Kind::Save, runner);
  dialog.InitialDir = PathOf(dir);
  dialog.FileName = PathOf(dir) + "/0507 Stroop.txt";
  FileDialogMemory memory;
  auto first = MakeQtFileDialog(dialog, nullptr, memory);
  first->resize(700, 500);
  first->selectFile(PathOf(dir) + "/chosen/mine.txt");
  RememberFileDialog(*first, true, memory);
  EXPECT_EQ(memory.folder, PathOf(dir) + "/chosen");
  EXPECT_EQ(memory.size, QSize(700, 500));

  auto again = MakeQtFileDialog(dialog, nullptr, memory);
  EXPECT_EQ(again->directory().absolutePath(), PathOf(dir) + "/chosen");
  EXPECT_EQ(again->selectedFiles(), QStringList{PathOf(dir) + "/chosen/0507 Stroop.txt"});
  EXPECT_EQ(again->size(), QSize(700, 500));

  again->resize(650, 450);
  RememberFileDialog(*again, false, memory);  // cancelled: the size stays, the folder too
  EXPECT_EQ(memory.folder, PathOf(dir) + "/chosen");
  EXPECT_EQ(memory.size, QSize(650, 450));
}

}  // namespace
}  // namespace app
