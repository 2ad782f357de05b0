// "Save" → "Analysis" and "Chart": dialog settings, default names, the ".gif" rule, the replace
// question, the report's bytes, the chart image's size and pixels, and failures that leave files
// untouched.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <cstdlib>

#include "app/ChartView.h"
#include "app/ReportView.h"
#include "runtime/Cp1251.h"
#include "runtime/TextFile.h"
#include "tests/app/QtPrinters.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/TestRecord.h"

namespace app {
namespace {

using test::WindowFixture;

using test::Contents;

class Saving : public ::testing::Test {
 protected:
  void SetUp() override {
    f.Open(f.WriteRecord("0507.txt", testsupport::RecordOf("0507", 20)));
    ASSERT_TRUE(f.prompts.errors.empty());
  }
  QString Results() const { return f.Folder() + "Results/"; }
  void SaveChartAs(const QString& typed) {
    f.dialogs.answers.push_back(typed);
    f.form.mmSaveChart5sec->trigger();
  }
  void SaveReportAs(const QString& typed) {
    f.dialogs.answers.push_back(typed);
    f.form.mmSaveAnalysis->trigger();
  }
  WindowFixture f;
};

TEST_F(Saving, ChartDialogSettingsAndTheDefaultNameOfTheShownSubtest) {
  f.form.mmPlot3->trigger();
  f.form.mmSaveChart5sec->trigger();  // cancelled
  ASSERT_EQ(f.dialogs.calls.size(), 2u);
  const test::DialogCall& call = f.dialogs.calls[1];
  EXPECT_EQ(call.kind, TFileDialog::Kind::Save);
  EXPECT_EQ(call.title, QStringLiteral("Запись времени ответов в gif-файл"));
  EXPECT_EQ(call.fileName, Results() + "0507 3.Stroop.gif");
  EXPECT_EQ(call.initialDir, f.Folder() + "Results");
  EXPECT_EQ(call.filter, "Reults files (*.txt;*gif)|*.TXT;*GIF");
  EXPECT_TRUE(call.overwritePrompt);
  f.form.mmSaveAnalysis->trigger();        // cancelled too
  EXPECT_FALSE(QDir(Results()).exists());  // a cancelled save makes no folder
}

TEST_F(Saving, TheResultsFolderIsMadeWhenAFileIsWrittenIntoIt) {
  f.form.mmSaveAnalysis->trigger();  // cancelled: shows the proposed name
  const QString proposed = f.dialogs.calls.back().fileName;
  f.dialogs.answers.push_back(proposed);
  f.form.mmSaveAnalysis->trigger();
  EXPECT_EQ(Contents(Results() + "0507 Stroop.txt").count("\r\n"), 32);

  QDir(Results()).removeRecursively();
  SaveChartAs(Results() + "chart");
  EXPECT_TRUE(Contents(Results() + "chart.gif").startsWith("GIF87a"));
  EXPECT_TRUE(f.prompts.errors.empty());
}

TEST_F(Saving, TheChartGoesUnderTheNameTheGifRuleGives) {
  SaveChartAs(Results() + "result.GIF");  // the rule is case-sensitive: ".gif" is added
  EXPECT_TRUE(QFile::exists(Results() + "result.GIF.gif"));
  EXPECT_FALSE(QFile::exists(Results() + "result.GIF"));
  EXPECT_TRUE(f.prompts.errors.empty());
}

TEST_F(Saving, TheChartImageIsTheChartAsDrawnAtItsClientSize) {
  f.form.mmPlot4->trigger();  // every other answer wrong
  SaveChartAs(Results() + "chart.gif");
  EXPECT_EQ(Contents(Results() + "chart.gif").left(6), "GIF87a");
  const QImage saved(Results() + "chart.gif");
  ASSERT_EQ(saved.size(), QSize(1023, 369));
  // Each stimulus's marker in its answer's colour (where no mean or SD line crosses it), the back
  // wall white.
  const stroopchart::TMainChartSeries& series = f.form.Chart5secView->Series();
  const chart::TLineSeries& stimuli = series.Series5sec;
  ASSERT_EQ(stimuli.PointCount(), 20);
  int markers = 0;
  for (int i = 0; i < 20; ++i) {
    const int y = stimuli.ScreenY(i);
    bool crossed = false;
    for (const chart::TLineSeries* band :
         {&series.Series5secAv, &series.Series5sec2Dp, &series.Series5sec2Dm})
      crossed = crossed || std::abs(band->ScreenY(i) - y) <= 1;
    if (crossed) continue;
    ++markers;
    EXPECT_EQ(saved.pixel(stimuli.ScreenX(i), y), i % 2 == 0 ? qRgb(0, 128, 0) : qRgb(255, 0, 0))
        << i;
  }
  EXPECT_GE(markers, 15);
  const chart::TRect plot = f.form.Chart5sec().PlotRect();
  EXPECT_EQ(saved.pixel(plot.Left + 2, plot.Top + 2), qRgb(255, 255, 255));
}

TEST_F(Saving, ReplacingAFileNamedOnlyThroughTheAddedGifAsksFirst) {
  QDir().mkpath(Results());
  QFile old(Results() + "result.gif");
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();

  f.prompts.answers = {false};
  SaveChartAs(Results() + "result");
  ASSERT_EQ(f.prompts.questions.size(), 1u);
  EXPECT_TRUE(f.prompts.questions[0].contains(Results() + "result.gif"));
  EXPECT_EQ(Contents(Results() + "result.gif"), "old");

  f.prompts.answers = {true};
  SaveChartAs(Results() + "result");
  EXPECT_TRUE(Contents(Results() + "result.gif").startsWith("GIF87a"));

  SaveChartAs(Results() + "result.gif");  // the dialog itself asked about this name
  EXPECT_EQ(f.prompts.questions.size(), 2u);
}

TEST_F(Saving, ReportDialogAndTheReportWithTheUsersEditsInCp1251WithCrLf) {
  f.form.meAnalysis->setPlainText(QStringLiteral("Первая строка\nправка пользователя"));
  SaveReportAs(Results() + "report");  // no extension is added
  const test::DialogCall& call = f.dialogs.calls.back();
  EXPECT_EQ(call.title, QStringLiteral("Запись результатов анализа в txt.файл"));
  EXPECT_EQ(call.fileName, Results() + "0507 Stroop.txt");
  EXPECT_EQ(call.initialDir, "");  // "Analysis" never sets the folder
  EXPECT_EQ(Contents(Results() + "report"), QByteArray::fromStdString(runtime::Cp1251FromUtf8(
                                                "Первая строка\r\nправка пользователя\r\n")));
}

TEST_F(Saving, TheReportDialogKeepsTheFolderTheChartCommandLastSet) {
  f.form.mmSaveChart5sec->trigger();
  f.form.mmSaveAnalysis->trigger();
  EXPECT_EQ(f.dialogs.calls.back().initialDir, f.Folder() + "Results");
}

TEST_F(Saving, TheLoadedReportIsSavedAsItsLines) {
  SaveReportAs(Results() + "full.txt");
  const QByteArray bytes = Contents(Results() + "full.txt");
  EXPECT_EQ(bytes.count("\r\n"), 32);
  EXPECT_TRUE(bytes.startsWith(QByteArray::fromStdString(
      runtime::Cp1251FromUtf8("Результаты выполнения теста Струпа\r\n"))));
}

TEST_F(Saving, CharactersCp1251CannotStoreAreAnnouncedBeforeWriting) {
  f.form.meAnalysis->setPlainText(QStringLiteral("Итог ✓ — 中"));
  f.prompts.answers = {false};
  SaveReportAs(Results() + "lossy.txt");
  ASSERT_EQ(f.prompts.questions.size(), 1u);
  EXPECT_FALSE(QFile::exists(Results() + "lossy.txt"));

  f.prompts.answers = {true};
  SaveReportAs(Results() + "lossy.txt");
  // The dash exists in CP1251 (0x97); the check mark and the ideograph become "?".
  EXPECT_EQ(Contents(Results() + "lossy.txt"),
            QByteArray::fromStdString(runtime::Cp1251FromUtf8("Итог ? — ?\r\n")));
}

TEST_F(Saving, AFileThatCannotBeCreatedIsReportedAndNothingIsTouched) {
  QDir().mkpath(Results() + "folder.gif");
  SaveChartAs(Results() + "folder.gif");  // a folder stands where the file should go
  SaveReportAs(Results() + "no/such/folder/r.txt");
  ASSERT_EQ(f.prompts.errors.size(), 2u);
  EXPECT_EQ(f.prompts.errors[0], "Cannot create file " + Results() + "folder.gif.");
  EXPECT_EQ(f.prompts.errors[1], "Cannot create file " + Results() + "no/such/folder/r.txt.");
  EXPECT_TRUE(QDir(Results() + "folder.gif").exists());
  EXPECT_EQ(QDir(Results()).entryList(QDir::Files | QDir::Hidden),
            QStringList());  // no temporaries
}

// Accepts every save dialog with the name it proposes, as Enter does.
void SaveBothUnderTheProposedNames(WindowFixture& f) {
  for (QAction* command : {f.form.mmSaveAnalysis, f.form.mmSaveChart5sec}) {
    command->trigger();  // cancelled: shows the proposed name
    f.dialogs.answers.push_back(f.dialogs.calls.back().fileName);
    command->trigger();
  }
}

TEST(SavingNames, ACodeNeverLeadsOutOfTheResultsFolder) {
  struct Case {
    const char* code;
    const char* report;
  };
  // clang-format off
  const Case cases[] = {
      {"../../ESCAPED", ".._.._ESCAPED Stroop.txt"},
      {"a/b\\c",        "a_b_c Stroop.txt"},
      {"tab\there",      "tab_here Stroop.txt"},
      {"..",            ".. Stroop.txt"},
  };
  // clang-format on
  for (const Case& c : cases) {
    WindowFixture f;
    f.Open(f.WriteRecord("r.txt", testsupport::RecordOf(c.code)));
    ASSERT_TRUE(f.prompts.errors.empty()) << c.code;
    SaveBothUnderTheProposedNames(f);
    EXPECT_TRUE(f.prompts.errors.empty()) << c.code;
    const QString results = f.Folder() + "Results/";
    EXPECT_EQ(f.dialogs.calls[1].fileName, results + c.report) << c.code;  // after "Data"
    QStringList written = QDir(results).entryList(QDir::Files | QDir::Hidden);
    written.sort();
    const QString report = QString::fromUtf8(c.report);
    EXPECT_EQ(written, (QStringList{report.chopped(11) + " 1.Stroop.gif", report})) << c.code;
    // Nothing beside the executable's folder but its Data and Results.
    EXPECT_EQ(QDir(f.Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"Data", "Results"}));
  }
}

TEST(SavingNames, AReadOnlyProgramFolderSendsResultsToTheDocumentsFolder) {
  WindowFixture f;
  QFile blocker(f.Folder() + "Results");  // a file where the folder would have to be
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  f.Open(f.WriteRecord("r.txt", testsupport::RecordOf("0507")));
  f.form.mmSaveChart5sec->trigger();  // cancelled
  const QString fallback = f.Documents() + "Stroop Results";
  EXPECT_EQ(f.dialogs.calls.back().initialDir, fallback);
  EXPECT_EQ(f.dialogs.calls.back().fileName, fallback + "/0507 1.Stroop.gif");
  EXPECT_FALSE(QDir(fallback).exists());

  SaveBothUnderTheProposedNames(f);
  EXPECT_TRUE(f.prompts.errors.empty());
  EXPECT_EQ(QDir(fallback).entryList(QDir::Files),
            (QStringList{"0507 1.Stroop.gif", "0507 Stroop.txt"}));
}

TEST(SavingNames, AProgramFolderNamedInCp1251GetsItsResultsByteForByte) {
  test::ScriptedDialogs dialogs;
  test::RecordingPrompts prompts;
  const testsupport::TempFolder root;
  const std::filesystem::path exeFolder =
      root / "\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0";  // Программа
  std::filesystem::create_directories(exeFolder / "Data");
  const std::filesystem::path record =
      root.Write("0507.txt", runtime::JoinLinesCrLf(testsupport::RecordOf("0507")));
  TForm1 form(WindowServices{dialogs, prompts, [] { return QPoint(); }, root / "docs"},
              exeFolder / "");
  ASSERT_TRUE(form.LoadRecordFile(record));
  for (QAction* command : {form.mmSaveAnalysis, form.mmSaveChart5sec}) {
    command->trigger();  // cancelled
    dialogs.answers.push_back(dialogs.calls.back().fileName);
    command->trigger();
  }
  EXPECT_TRUE(prompts.errors.empty());
  EXPECT_TRUE(std::filesystem::is_regular_file(exeFolder / "Results" / "0507 Stroop.txt"));
  EXPECT_TRUE(std::filesystem::is_regular_file(exeFolder / "Results" / "0507 1.Stroop.gif"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root.Path()),
                          std::filesystem::directory_iterator()),
            2);  // the program's folder and the record: nothing made under another name
}

}  // namespace
}  // namespace app
