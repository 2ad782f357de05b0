// The context menus of the chart and the report: their items, the saves' dialogs, default names and
// files, the extension rule, and the clipboard after the copies.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <memory>

#include "app/ChartView.h"
#include "app/ReportView.h"
#include "tests/app/QtPrinters.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/TestRecord.h"

namespace app {
namespace {

using test::Contents;

QStringList Captions(const QList<QAction*>& actions) {
  QStringList captions;
  for (const QAction* action : actions) captions << (action->isSeparator() ? "-" : action->text());
  return captions;
}

class Sharing : public ::testing::Test {
 protected:
  void SetUp() override {
    f.Open(f.WriteRecord("0507.txt", testsupport::RecordOf("0507", 20)));
    ASSERT_TRUE(f.prompts.errors.empty());
  }
  QString Results() const { return f.Folder() + "Results/"; }
  void SaveAs(QAction* command, const QString& typed) {
    f.dialogs.answers.push_back(typed);
    command->trigger();
  }
  test::WindowFixture f;
};

TEST_F(Sharing, TheChartsContextMenuHoldsTheCopyAndTheSaves) {
  EXPECT_EQ(f.form.Chart5secView->contextMenuPolicy(), Qt::ActionsContextMenu);
  EXPECT_EQ(Captions(f.form.Chart5secView->actions()),
            QStringList({"Копировать изображение", "-", "Сохранить в PNG (1x)...",
                         "Сохранить в PNG (2x)...", "Сохранить в PNG (4x)...", "Сохранить в SVG...",
                         "Сохранить в PDF...", "-", "Сохранить отчет в PDF..."}));
  // The main menu keeps its items.
  EXPECT_EQ(Captions(f.form.mmSave->actions()), QStringList({"Analysis", "Chart"}));
}

TEST_F(Sharing, TheReportsContextMenuIsTheTextViewsOwnFollowedByCopyAllAndThePdfReport) {
  const std::unique_ptr<QMenu> menu(f.form.meAnalysis->CreateContextMenu());
  const QStringList captions = Captions(menu->actions());
  ASSERT_GE(captions.size(), 4);
  EXPECT_EQ(captions.mid(captions.size() - 3),
            QStringList({"-", "Копировать всё", "Сохранить отчет в PDF..."}));
  EXPECT_GE(captions.size(), 8) << captions.join('|').toStdString();  // undo, cut, copy, paste...
}

TEST_F(Sharing, EachSaveProposesItsNameInTheResultsFolderAndWritesItsFormat) {
  f.form.mmPlot3->trigger();
  // clang-format off
  const struct { QAction* command; const char* title; const char* filter; const char* name; QByteArray magic; } cases[] = {
      {f.form.pmSavePng1x, "Запись графика (1x) в png-файл", "Изображения PNG (*.png)|*.png", "0507 3.Stroop.png", "\x89PNG"},
      {f.form.pmSavePng4x, "Запись графика (4x) в png-файл", "Изображения PNG (*.png)|*.png", "0507 3.Stroop.png", "\x89PNG"},
      {f.form.pmSaveSvg,   "Запись графика в svg-файл",      "Рисунки SVG (*.svg)|*.svg",     "0507 3.Stroop.svg", "<?xml"},
      {f.form.pmSavePdf,   "Запись графика в pdf-файл",      "Документы PDF (*.pdf)|*.pdf",   "0507 3.Stroop.pdf", "%PDF-"},
      {f.form.pmSaveReportPdf, "Запись отчета в pdf-файл",   "Документы PDF (*.pdf)|*.pdf",   "0507 Stroop.pdf",   "%PDF-"},
  };
  // clang-format on
  for (const auto& c : cases) {
    c.command->trigger();  // cancelled: shows the dialog, makes no folder
    EXPECT_FALSE(QDir(Results()).exists()) << c.name;
    const test::DialogCall& call = f.dialogs.calls.back();
    EXPECT_EQ(call.kind, TFileDialog::Kind::Save);
    EXPECT_EQ(call.title, QString::fromUtf8(c.title));
    EXPECT_EQ(call.filter, QString::fromUtf8(c.filter));
    EXPECT_EQ(call.fileName, Results() + c.name);
    EXPECT_EQ(call.initialDir, f.Folder() + "Results");
    EXPECT_TRUE(call.overwritePrompt);
    SaveAs(c.command, call.fileName);
    EXPECT_TRUE(Contents(Results() + c.name).startsWith(c.magic)) << c.name;
    QDir(Results()).removeRecursively();
  }
  EXPECT_TRUE(f.prompts.errors.empty());
  // The specified dialogs keep their filter.
  f.form.mmSaveChart5sec->trigger();
  EXPECT_EQ(f.dialogs.calls.back().filter, "Reults files (*.txt;*gif)|*.TXT;*GIF");
}

TEST_F(Sharing, PngScalesGiveTheirSizesAndTheExtensionIsAddedAsForTheGif) {
  // clang-format off
  const struct { QAction* command; const char* typed; const char* saved; QSize size; } cases[] = {
      {f.form.pmSavePng1x, "one",     "one.png",     {1023, 369}},
      {f.form.pmSavePng2x, "two.PNG", "two.PNG.png", {2046, 738}},
      {f.form.pmSavePng4x, "four.png", "four.png",   {4092, 1476}},
  };
  // clang-format on
  QDir().mkpath(Results());
  for (const auto& c : cases) {
    SaveAs(c.command, Results() + c.typed);
    EXPECT_EQ(QImage(Results() + c.saved).size(), c.size) << c.saved;
  }
  SaveAs(f.form.pmSaveSvg, Results() + "vector");
  EXPECT_TRUE(QFile::exists(Results() + "vector.svg"));
  EXPECT_TRUE(f.prompts.errors.empty());
}

TEST_F(Sharing, ReplacingAFileNamedOnlyThroughTheAddedExtensionAsksFirst) {
  QDir().mkpath(Results());
  QFile old(Results() + "chart.pdf");
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  f.prompts.answers = {false};
  SaveAs(f.form.pmSavePdf, Results() + "chart");
  ASSERT_EQ(f.prompts.questions.size(), 1u);
  EXPECT_TRUE(f.prompts.questions[0].contains(Results() + "chart.pdf"));
  EXPECT_EQ(Contents(Results() + "chart.pdf"), "old");
  f.prompts.answers = {true};
  SaveAs(f.form.pmSavePdf, Results() + "chart");
  EXPECT_TRUE(Contents(Results() + "chart.pdf").startsWith("%PDF-"));
}

TEST_F(Sharing, AFileThatCannotBeCreatedIsReportedInTheErrorBox) {
  QDir().mkpath(Results() + "taken.svg");
  SaveAs(f.form.pmSaveSvg, Results() + "taken.svg");
  ASSERT_EQ(f.prompts.errors.size(), 1u);
  EXPECT_EQ(f.prompts.errors[0], "Cannot create file " + Results() + "taken.svg.");
}

TEST_F(Sharing, TheReportPdfDeclinedOverLostCharactersWritesNothing) {
  f.form.meAnalysis->setPlainText(QStringLiteral("Итог ✓"));
  f.prompts.answers = {false};
  SaveAs(f.form.pmSaveReportPdf, Results() + "r.pdf");
  EXPECT_EQ(f.prompts.questions.size(), 1u);
  EXPECT_FALSE(QFile::exists(Results() + "r.pdf"));
}

TEST_F(Sharing, CopiesPutTheChartImageAndTheWholeReportOnTheClipboard) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  f.form.mmPlot2->trigger();
  f.form.pmCopyChart->trigger();
  const QImage image = clipboard->image();
  EXPECT_EQ(image.size(), QSize(1023, 369));
  // The chart's own pixels: the same as the GIF "Chart" saves of this subtest.
  SaveAs(f.form.mmSaveChart5sec, Results() + "same.gif");
  EXPECT_TRUE(image.convertToFormat(QImage::Format_RGB32) ==
              QImage(Results() + "same.gif").convertToFormat(QImage::Format_RGB32));

  f.form.meAnalysis->setPlainText(QStringLiteral("строка 1\nстрока 2"));
  f.form.pmCopyReport->trigger();
  EXPECT_EQ(clipboard->text(), QStringLiteral("строка 1\nстрока 2"));
  EXPECT_TRUE(f.prompts.errors.empty());
}

}  // namespace
}  // namespace app
