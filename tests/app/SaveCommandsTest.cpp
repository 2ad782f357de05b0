// "Save" → "Analysis" and "Chart": dialog settings, default names, the ".gif" rule, the replace
// question, the report's bytes, the chart image's size and pixels, and failures that leave files
// untouched.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>
#include <cstdlib>

#include "app/ChartView.h"
#include "runtime/Cp1251.h"
#include "tests/app/QtPrinters.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/TestRecord.h"

namespace app {
namespace {

using test::WindowFixture;

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

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
  EXPECT_TRUE(QDir(Results()).exists());  // a missing "Results" folder is created
  EXPECT_TRUE(QDir(Results()).entryList(QDir::Files).isEmpty());  // cancelled: nothing written
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

}  // namespace
}  // namespace app
