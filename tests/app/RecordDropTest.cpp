// Files dropped on the window, through synthetic drag and drop events: a record loads as "Data"
// loads it, with the same errors; of several files the first loads and the user is told; drags
// without local files are refused.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMimeData>
#include <QScrollArea>
#include <QUrl>

#include "app/RecordDrop.h"
#include "app/ReportView.h"
#include "tests/app/QtPrinters.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/TestRecord.h"

namespace app {
namespace {

using test::WindowFixture;

// Drags `urls` over `target` and drops them there; true when the drag was accepted.
bool Drop(QWidget* target, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  const QPoint at(10, 10);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

QUrl FileUrl(const QString& path) { return QUrl::fromLocalFile(path); }

TEST(RecordDrop, ADroppedRecordLoadsAsDataWouldWithTheSameErrors) {
  WindowFixture f;
  EXPECT_TRUE(Drop(&f.form, {FileUrl(f.WriteRecord("0507.txt", testsupport::RecordOf("0507")))}));
  EXPECT_TRUE(f.prompts.errors.empty());
  EXPECT_TRUE(f.form.paWork->isVisibleTo(&f.form));
  EXPECT_TRUE(f.form.mmPlot1->isEnabled());
  EXPECT_TRUE(f.dialogs.calls.empty());  // no dialog: the file is given

  EXPECT_TRUE(Drop(&f.form, {FileUrl(f.Folder() + "Data/missing.txt")}));
  ASSERT_EQ(f.prompts.errors.size(), 1u);
  EXPECT_EQ(f.prompts.errors[0], "Cannot open file " + f.Folder() + "Data/missing.txt.");
  EXPECT_TRUE(f.prompts.notes.empty());
}

TEST(RecordDrop, OnTheReportViewARecordLoadsInsteadOfItsNameBeingTyped) {
  WindowFixture f;
  f.Open(f.WriteRecord("a.txt", testsupport::RecordOf("0507")));
  const QString before = f.form.meAnalysis->toPlainText();
  EXPECT_TRUE(Drop(f.form.meAnalysis->viewport(),
                   {FileUrl(f.WriteRecord("b.txt", testsupport::RecordOf("1234", 5)))}));
  EXPECT_TRUE(f.prompts.errors.empty());
  EXPECT_NE(f.form.meAnalysis->toPlainText(), before);
  EXPECT_TRUE(f.form.meAnalysis->toPlainText().contains(QStringLiteral("Код: 1234")));
  EXPECT_FALSE(f.form.meAnalysis->toPlainText().contains("b.txt"));
}

TEST(RecordDrop, OfSeveralFilesTheFirstLoadsAndTheUserIsTold) {
  WindowFixture f;
  const QString first = f.WriteRecord("first.txt", testsupport::RecordOf("1111"));
  const QString second = f.WriteRecord("second.txt", testsupport::RecordOf("2222"));
  EXPECT_TRUE(Drop(&f.form, {FileUrl(first), FileUrl(second)}));
  EXPECT_TRUE(f.form.meAnalysis->toPlainText().contains(QStringLiteral("Код: 1111")));
  ASSERT_EQ(f.prompts.notes.size(), 1u);
  EXPECT_EQ(f.prompts.notes[0],
            QStringLiteral("Перетащено файлов: 2. Открывается только первый из них:\n") + first);
}

TEST(RecordDrop, DragsWithoutLocalFilesAreRefused) {
  WindowFixture f;
  EXPECT_FALSE(Drop(&f.form, {QUrl("https://example.org/0507.txt")}));
  EXPECT_FALSE(Drop(&f.form, {}));
  EXPECT_TRUE(f.prompts.errors.empty());
  EXPECT_FALSE(f.form.paWork->isVisibleTo(&f.form));
}

TEST(DroppedFiles, LocalFilesByteForByteInTheirOrder) {
  QMimeData data;
  data.setUrls({QUrl("file:///tmp/%C8%E2%E0%ED%EE%E2.txt"), QUrl("https://example.org/x"),
                QUrl::fromLocalFile(QStringLiteral("/tmp/Иванов 2.txt"))});
  const std::vector<std::filesystem::path> files = DroppedFiles(&data);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].native(), "/tmp/\xC8\xE2\xE0\xED\xEE\xE2.txt");
  EXPECT_EQ(files[1].native(), "/tmp/\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2 2.txt");
}

}  // namespace
}  // namespace app
