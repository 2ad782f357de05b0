// The main window driven as a user would: start state, loading, plotting, the hover readout, the
// about entry.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "app/ChartImage.h"
#include "app/ChartView.h"
#include "app/Cp1251Text.h"
#include "app/ReportView.h"
#include "app/SystemMenu.h"
#include "chart/TChart.h"
#include "runtime/Cp1251.h"
#include "runtime/Errors.h"
#include "runtime/TextFile.h"
#include "tests/app/QtPrinters.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/TestRecord.h"

namespace app {
namespace {

using test::WindowFixture;
using testsupport::RecordOf;

std::vector<QAction*> RecordCommands(TForm1& form) {
  return {form.mmPlot1, form.mmPlot2, form.mmPlot3, form.mmPlot4, form.mmSave->menuAction()};
}

QStringList ReportLines(TForm1& form) {
  QStringList lines;
  for (QTextBlock b = form.meAnalysis->document()->begin(); b.isValid(); b = b.next())
    lines << b.text();
  return lines;
}

QStringList TitleLines(TForm1& form) {
  QStringList lines;
  for (const std::string& line : form.Chart5sec().Title().Text().Lines()) lines << FromCp1251(line);
  return lines;
}

QString Foot(TForm1& form) {
  const auto& lines = form.Chart5sec().Foot().Text().Lines();
  return lines.size() == 1 ? FromCp1251(lines[0]) : QString("<%1 lines>").arg(lines.size());
}

QString BottomCaption(TForm1& form) {
  return FromCp1251(form.Chart5sec().BottomAxis().Title().Caption());
}

TEST(MainWindow, StartState) {
  WindowFixture f;
  TForm1& form = f.form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("ЗИРТ - Тест Струпа"));
  EXPECT_FALSE(form.paWork->isVisibleTo(&form));
  EXPECT_TRUE(form.mmOpen->isEnabled());
  for (QAction* item : RecordCommands(form)) EXPECT_FALSE(item->isEnabled()) << item->text();
  EXPECT_TRUE(form.mmSaveAnalysis->isEnabled());  // reachable only through "Save"
  EXPECT_TRUE(form.mmSaveChart5sec->isEnabled());

  QStringList captions;
  for (QAction* item : form.menuBar()->actions()) {
    captions << item->text();
    EXPECT_FALSE(item->icon().isNull()) << item->text();
  }
  EXPECT_EQ(captions, (QStringList{"Data", "Plot1", "Plot2", "Plot3", "Plot4", "Save"}));
  EXPECT_EQ(form.mmSaveAnalysis->text(), "Analysis");
  EXPECT_EQ(form.mmSaveChart5sec->text(), "Chart");
  EXPECT_EQ(form.mmPlot3->property("Tag").toInt(), 3);

  EXPECT_EQ(form.Bevel1->geometry(), QRect(0, 0, 1032, 2));
  EXPECT_EQ(form.Chart5secView->geometry(), QRect(1, 1, 1023, 369));
  EXPECT_EQ(form.meAnalysis->geometry(), QRect(1, 370, 1023, 291));  // down to the design height
  EXPECT_EQ(form.Chart5sec().Width(), 1023);
  EXPECT_EQ(form.meAnalysis->font().family(), "Courier New");
  EXPECT_EQ(form.meAnalysis->font().pixelSize(), 16);
  EXPECT_EQ(form.meAnalysis->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(form.meAnalysis->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_FALSE(form.meAnalysis->isReadOnly());
  EXPECT_TRUE(form.meAnalysis->toPlainText().isEmpty());

  EXPECT_EQ(form.OpenDialog1.Filter, "Data files (*.txt;*.cry)|*.TXT;*CRY");
  EXPECT_EQ(form.SaveDialog.Filter, "Reults files (*.txt;*gif)|*.TXT;*GIF");
  EXPECT_TRUE(form.SaveDialog.OverwritePrompt);

  const QList<QAction*> system = form.SystemMenu()->menu()->actions();
  ASSERT_GE(system.size(), 2);
  EXPECT_TRUE(system[system.size() - 2]->isSeparator());
  EXPECT_EQ(system.last()->text(), QStringLiteral("О программе"));
  EXPECT_EQ(system.last()->data().toUInt(), 1025u);
}

// The offscreen screen (800 x 800) is narrower than the design size: the work area scrolls.
TEST(MainWindow, TheWorkAreaScrollsOnASmallScreenAndTheReportGrowsWithTheWindow) {
  WindowFixture f;
  f.Open(f.WriteRecord("0507.txt", RecordOf("0507")));
  f.form.showMaximized();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.form));
  QCoreApplication::processEvents();
  EXPECT_EQ(f.form.paWork->geometry(), f.form.centralWidget()->rect());
  EXPECT_LT(f.form.paWork->viewport()->width(), 1024);
  EXPECT_TRUE(f.form.paWork->horizontalScrollBar()->isVisible());
  EXPECT_EQ(f.form.paWork->horizontalScrollBar()->maximum(),
            1024 - f.form.paWork->viewport()->width());
  EXPECT_EQ(f.form.WorkArea->width(), 1024);
  EXPECT_EQ(f.form.Chart5secView->geometry(), QRect(1, 1, 1023, 369));  // fixed, whatever the panel

  f.form.WMSysCommand(SC_RESTORE);
  EXPECT_FALSE(f.form.isMaximized());
  EXPECT_NE(f.form.minimumSize(), f.form.maximumSize());  // resizable
  f.form.resize(1300, 900);
  QCoreApplication::processEvents();  // the scroll area settles its scroll bars
  EXPECT_EQ(f.form.paWork->geometry(), f.form.centralWidget()->rect());
  EXPECT_EQ(f.form.WorkArea->size(), f.form.paWork->viewport()->size());
  EXPECT_EQ(f.form.Chart5secView->geometry(), QRect(1, 1, 1023, 369));
  const QSize work = f.form.WorkArea->size();
  EXPECT_EQ(f.form.meAnalysis->geometry(), QRect(1, 370, work.width() - 1, work.height() - 370));
  EXPECT_EQ(work.width(), 1300);
  EXPECT_FALSE(f.form.paWork->horizontalScrollBar()->isVisible());
  EXPECT_EQ(RenderChartImage(f.form.Chart5sec()).size(), QSize(1023, 369));

  f.form.WMSysCommand(SC_MAXIMIZE);
  EXPECT_TRUE(f.form.isMaximized());
}

TEST(MainWindow, RestoredFromTheScreenFillingStartTheWindowTakesItsDesignSize) {
  WindowFixture f;
  const QRect available = f.form.screen()->availableGeometry();
  f.form.setGeometry(available);  // as the start sequence does
  f.form.showMaximized();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.form));
  f.form.WMSysCommand(SC_RESTORE);
  EXPECT_EQ(f.form.size(),
            QSize(1024, 661 + f.form.menuBar()->sizeHint().height()).boundedTo(available.size()));
}

TEST(MainWindow, CancellingTheFirstOpenChangesNothing) {
  WindowFixture f;
  f.form.mmOpen->trigger();
  ASSERT_EQ(f.dialogs.calls.size(), 1u);
  const test::DialogCall& call = f.dialogs.calls[0];
  EXPECT_EQ(call.kind, TFileDialog::Kind::Open);
  EXPECT_EQ(call.title, QStringLiteral("Данные по методике \"Тест Струпа\""));
  EXPECT_EQ(call.fileName, "");
  EXPECT_EQ(call.initialDir, f.Folder() + "Data");
  EXPECT_FALSE(f.form.paWork->isVisibleTo(&f.form));
  for (QAction* item : RecordCommands(f.form)) EXPECT_FALSE(item->isEnabled());
  EXPECT_TRUE(f.prompts.errors.empty());
}

TEST(MainWindow, ASuccessfulLoadFillsReportChartAndFootAndOpensTheCommands) {
  WindowFixture f;
  f.Open(f.WriteRecord("0507.txt", RecordOf("0507")));
  ASSERT_TRUE(f.prompts.errors.empty()) << f.prompts.errors[0].toStdString();
  EXPECT_TRUE(f.form.paWork->isVisibleTo(&f.form));
  for (QAction* item : RecordCommands(f.form)) EXPECT_TRUE(item->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(f.form.meAnalysis->updatesEnabled());

  const QStringList report = ReportLines(f.form);
  ASSERT_EQ(report.size(), 32);  // totals 105 and 92: the verbal-dominance paragraph is added
  EXPECT_EQ(report[0], QStringLiteral("Результаты выполнения теста Струпа"));
  EXPECT_EQ(report[1],
            QStringLiteral("Код: 0507  Имя: Петров П.П.  Дата ПФО: 01.02.2026 10:00:00"));
  EXPECT_EQ(report[23], QStringLiteral("Коэффициент интерференции (\"Эффект Струпа\"): "
                                       "T4(НЦСо) - T1(НЦ) = 12.00"));

  EXPECT_EQ(TitleLines(f.form),
            (QStringList{QStringLiteral("График времени реакции на стимулы - \"Название цвета "
                                        "прямоугольника\" [НЦ]"),
                         QStringLiteral("Время выполнения - 105 сек, Mean - 0.75 сек, SD - 0.30 "
                                        "сек, N ошибок - 3")}));
  EXPECT_EQ(Foot(f.form), report[1]);
  EXPECT_EQ(f.form.CurrentSubtest(), 1);
  EXPECT_EQ(f.form.Chart5secView->Series().Series5sec.PointCount(), 2);
  EXPECT_EQ(BottomCaption(f.form), QStringLiteral("Номер стимула"));
}

TEST(MainWindow, AFailedLoadLeavesThePreviousRecordExactlyAsItWas) {
  WindowFixture f;
  f.Open(f.WriteRecord("0507.txt", RecordOf("0507")));
  const QStringList report = ReportLines(f.form);
  const QStringList title = TitleLines(f.form);
  const QString foot = Foot(f.form);
  const QImage chart = RenderChartImage(f.form.Chart5sec());

  std::vector<std::string> bad = RecordOf("9999");
  bad[21][52] = ' ';  // a blank at the second row's subtest-4 answer
  f.Open(f.WriteRecord("bad.txt", bad));
  f.Open(f.Folder() + "Data/missing.txt");

  ASSERT_EQ(f.prompts.errors.size(), 2u);
  EXPECT_EQ(f.prompts.errors[0], "' ' is not a valid integer value.");  // a letter last: full stop
  EXPECT_EQ(f.prompts.errors[1], "Cannot open file " + f.Folder() + "Data/missing.txt.");
  EXPECT_EQ(f.prompts.waitCursorAtError, (std::vector<bool>{false, false}));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(f.form.meAnalysis->updatesEnabled());
  EXPECT_EQ(ReportLines(f.form), report);
  EXPECT_EQ(TitleLines(f.form), title);
  EXPECT_EQ(Foot(f.form), foot);
  EXPECT_EQ(RenderChartImage(f.form.Chart5sec()), chart);
  EXPECT_TRUE(f.form.paWork->isVisibleTo(&f.form));
  for (QAction* item : RecordCommands(f.form)) EXPECT_TRUE(item->isEnabled());

  f.form.mmSaveAnalysis->trigger();  // cancelled; shows the name it offers
  ASSERT_FALSE(f.dialogs.calls.empty());
  EXPECT_TRUE(f.dialogs.calls.back().fileName.endsWith("/Results/0507 Stroop.txt"));
}

TEST(MainWindow, ARecordGivenAtStartLoadsLikeDataAndAFailureShowsTheSameErrorBox) {
  WindowFixture f;
  EXPECT_FALSE(f.form.LoadRecordFile((f.Folder() + "Data/missing.txt").toStdString()));
  ASSERT_EQ(f.prompts.errors.size(), 1u);
  EXPECT_EQ(f.prompts.errors[0], "Cannot open file " + f.Folder() + "Data/missing.txt.");
  EXPECT_EQ(f.prompts.waitCursorAtError, std::vector<bool>{false});
  EXPECT_FALSE(f.form.paWork->isVisibleTo(&f.form));

  EXPECT_TRUE(f.form.LoadRecordFile(f.WriteRecord("0507.txt", RecordOf("0507")).toStdString()));
  EXPECT_EQ(f.prompts.errors.size(), 1u);
  EXPECT_EQ(f.form.Chart5secView->Series().Series5sec.PointCount(), 2);
  EXPECT_EQ(Foot(f.form), ReportLines(f.form)[1]);
  EXPECT_TRUE(f.form.paWork->isVisibleTo(&f.form));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(MainWindow, AFailedFirstLoadKeepsTheStartState) {
  WindowFixture f;
  std::vector<std::string> lines = RecordOf("0507");
  lines[7] =
      lines[7].substr(0, 27) + "  0" + lines[7].substr(30);  // T2 = 0: the ratio divides by zero
  f.Open(f.WriteRecord("zero.txt", lines));
  ASSERT_EQ(f.prompts.errors.size(), 1u);
  EXPECT_EQ(f.prompts.errors[0], "Floating point division by zero.");
  EXPECT_FALSE(f.form.paWork->isVisibleTo(&f.form));
  for (QAction* item : RecordCommands(f.form)) EXPECT_FALSE(item->isEnabled());
  EXPECT_TRUE(f.form.meAnalysis->toPlainText().isEmpty());
}

TEST(MainWindow, ARecordWithoutStimuliLoadsWithTitlesOnly) {
  WindowFixture f;
  f.Open(f.WriteRecord("empty.txt", RecordOf("0001", 0)));
  ASSERT_TRUE(f.prompts.errors.empty());
  for (int i = 0; i < f.form.Chart5sec().CountSeries(); ++i)
    EXPECT_EQ(f.form.Chart5sec().SeriesAt(i)->PointCount(), 0);
  EXPECT_EQ(TitleLines(f.form).size(), 2);
  EXPECT_EQ(ReportLines(f.form).size(), 32);
  EXPECT_EQ(RenderChartImage(f.form.Chart5sec()).size(), QSize(1023, 369));
}

TEST(MainWindow, ASecondRecordReplacesEverythingDefaultNamesIncluded) {
  WindowFixture f;
  f.Open(f.WriteRecord("a.txt", RecordOf("0507")));
  f.form.mmPlot3->trigger();
  f.Open(f.WriteRecord("b.txt", RecordOf("1234", 5)));
  ASSERT_TRUE(f.prompts.errors.empty());
  EXPECT_EQ(ReportLines(f.form)[1],
            QStringLiteral("Код: 1234  Имя: Петров П.П.  Дата ПФО: 01.02.2026 10:00:00"));
  EXPECT_EQ(Foot(f.form), ReportLines(f.form)[1]);
  EXPECT_EQ(f.form.CurrentSubtest(), 1);
  EXPECT_TRUE(TitleLines(f.form)[0].endsWith("[НЦ]"));
  EXPECT_EQ(f.form.Chart5secView->Series().Series5sec.PointCount(), 5);

  f.form.mmSaveAnalysis->trigger();
  f.form.mmSaveChart5sec->trigger();
  ASSERT_GE(f.dialogs.calls.size(), 2u);
  EXPECT_EQ(f.dialogs.calls[f.dialogs.calls.size() - 2].fileName,
            f.Folder() + "Results/1234 Stroop.txt");
  EXPECT_EQ(f.dialogs.calls.back().fileName, f.Folder() + "Results/1234 1.Stroop.gif");
}

TEST(MainWindow, PlotTwoThenPlotOneGivesTheChartOfTheLoad) {
  WindowFixture f;
  f.Open(f.WriteRecord("a.txt", RecordOf("0507", 12)));
  const QImage afterLoad = RenderChartImage(f.form.Chart5sec());
  f.form.mmPlot2->trigger();
  EXPECT_EQ(f.form.CurrentSubtest(), 2);
  EXPECT_EQ(
      TitleLines(f.form)[1],
      QStringLiteral("Время выполнения -  92 сек, Mean - 0.66 сек, SD - 0.21 сек, N ошибок - 0"));
  EXPECT_NE(RenderChartImage(f.form.Chart5sec()), afterLoad);
  f.form.mmPlot1->trigger();
  EXPECT_EQ(RenderChartImage(f.form.Chart5sec()), afterLoad);
}

TEST(MainWindow, PlotCommandsAcceptOnlyMenuItems) {
  WindowFixture f;
  QObject notAMenuItem;
  try {
    f.form.mmPlot1Click(&notAMenuItem);
    ADD_FAILURE() << "no error";
  } catch (const runtime::Exception& error) {
    EXPECT_EQ(error.Message(), "Invalid class typecast");
  }
}

class Hover : public ::testing::Test {
 protected:
  void SetUp() override {
    f.Open(f.WriteRecord("a.txt", RecordOf("0507", 12)));
    RenderChartImage(f.form.Chart5sec());  // the hit test works on the last paint
  }
  // The mouse moves to client pixel (x, y) of the chart, and the cursor is there too.
  void MoveTo(int x, int y) {
    ChartView* view = f.form.Chart5secView;
    f.cursor = view->mapToGlobal(QPoint(x, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), QPointF(f.cursor), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
  }
  chart::TLineSeries& Stimuli() { return f.form.Chart5secView->Series().Series5sec; }
  WindowFixture f;
};

TEST_F(Hover, AMarkerShowsItsLabelAwayFromMarkersTheTaskNumberAndOutsideNothingChanges) {
  const int x = Stimuli().ScreenX(4), y = Stimuli().ScreenY(4);
  MoveTo(x + 3, y - 3);  // inside the marker's sensitive box
  EXPECT_EQ(BottomCaption(f.form), FromCp1251(Stimuli().PointLabel(4)));
  EXPECT_TRUE(BottomCaption(f.form).startsWith(QStringLiteral("[НЦ] Стимул - ")));

  const chart::TRect plot = f.form.Chart5sec().PlotRect();
  ASSERT_EQ(Stimuli().PointAtPixel(plot.Left + 1, plot.Bottom - 1), -1);
  MoveTo(plot.Left + 1, plot.Bottom - 1);
  EXPECT_EQ(BottomCaption(f.form), QStringLiteral("Номер задачи"));

  // Outside the plotting rectangle (its right edge is outside) nothing changes, even over a marker.
  f.cursor = f.form.Chart5secView->mapToGlobal(QPoint(x, y));
  f.form.Chart5secMouseMove(plot.Right, y);
  EXPECT_EQ(BottomCaption(f.form), QStringLiteral("Номер задачи"));
}

TEST_F(Hover, TheSearchUsesTheCursorNotTheEventPosition) {
  const int x = Stimuli().ScreenX(7), y = Stimuli().ScreenY(7);
  const chart::TRect plot = f.form.Chart5sec().PlotRect();
  f.cursor = f.form.Chart5secView->mapToGlobal(QPoint(x, y));
  f.form.Chart5secMouseMove(plot.Left, plot.Top);  // inside, far from the cursor's point
  EXPECT_EQ(BottomCaption(f.form), FromCp1251(Stimuli().PointLabel(7)));
}

TEST_F(Hover, EveryPlotAndLoadPutsTheAxisTitleBack) {
  const auto onAMarker = [this] {
    MoveTo(Stimuli().ScreenX(4), Stimuli().ScreenY(4));
    ASSERT_NE(BottomCaption(f.form), QStringLiteral("Номер стимула"));
  };
  onAMarker();
  f.form.mmPlot2->trigger();
  EXPECT_EQ(BottomCaption(f.form), QStringLiteral("Номер стимула"));
  RenderChartImage(f.form.Chart5sec());
  onAMarker();
  f.form.mmPlot2->trigger();  // the same subtest again
  EXPECT_EQ(BottomCaption(f.form), QStringLiteral("Номер стимула"));
  RenderChartImage(f.form.Chart5sec());
  onAMarker();
  f.Open(f.WriteRecord("empty.txt", RecordOf("0001", 0)));  // a chart without points
  EXPECT_EQ(BottomCaption(f.form), QStringLiteral("Номер стимула"));
}

TEST(MainWindow, ARecordNamedInCp1251Loads) {
  WindowFixture f;
  const std::filesystem::path folder = f.exeDir / "Data";
  const std::string ivanov = "\xC8\xE2\xE0\xED\xEE\xE2.txt";  // "Иванов.txt" in CP1251
  f.exeDir.Write(std::filesystem::path("Data") / ivanov, runtime::JoinLinesCrLf(RecordOf("0507")));
  EXPECT_TRUE(f.form.LoadRecordFile(folder / ivanov));
  EXPECT_TRUE(f.prompts.errors.empty());
  EXPECT_FALSE(f.form.LoadRecordFile(folder / ("x" + ivanov)));
  ASSERT_EQ(f.prompts.errors.size(), 1u);
  EXPECT_EQ(f.prompts.errors[0], "Cannot open file " + f.Folder() + "Data/x??????.txt.");
}

TEST(MainWindow, TheAboutEntryRaisesAndActivatesTheOpenDialog) {
  WindowFixture f;
  f.form.show();
  f.form.WMSysCommand(1025);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f.about));
  f.form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
  f.form.WMSysCommand(1025);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&f.about));
  // Only a close button on the dialog's frame.
  const Qt::WindowFlags flags = f.about.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint);  // nothing added by default
  f.about.hide();
}

TEST(MainWindow, TheAboutEntryShowsTheSameDialogAndPassesEveryCommandOn) {
  WindowFixture f;
  f.form.show();
  f.form.WMSysCommand(1025);
  EXPECT_TRUE(f.about.isVisible());
  f.form.WMSysCommand(1025);
  EXPECT_TRUE(f.about.isVisible());
  f.about.OKButton->click();
  EXPECT_FALSE(f.about.isVisible());
  f.form.SystemMenu()->menu()->actions().last()->trigger();  // the menu item reports 1025
  EXPECT_TRUE(f.about.isVisible());
  f.about.OKButton->click();
  for (QAction* item : RecordCommands(f.form)) EXPECT_FALSE(item->isEnabled());
  EXPECT_FALSE(
      f.about.testAttribute(Qt::WA_QuitOnClose));  // closing the main window ends the program

  f.form.WMSysCommand(SC_MINIMIZE);
  EXPECT_TRUE(f.form.isMinimized());
  f.form.WMSysCommand(SC_CLOSE);
  EXPECT_FALSE(f.form.isVisible());
}

}  // namespace
}  // namespace app
