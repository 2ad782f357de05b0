// The main window's commands: loading a record, choosing the subtest, the mouse readout, saving
// results.
#include <QAction>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>

#include "analysis/RecordLoader.h"
#include "analysis/ReportFile.h"
#include "analysis/SaveNames.h"
#include "app/ChartImage.h"
#include "app/ChartView.h"
#include "app/Cp1251Text.h"
#include "app/TForm1.h"
#include "app/UserPrompts.h"
#include "app/WaitCursor.h"
#include "chart/TChart.h"
#include "group/SelfCheck.h"
#include "runtime/Cp1251.h"
#include "runtime/Errors.h"
#include "runtime/FormatSettings.h"

namespace app {

namespace {

std::filesystem::path PathOf(const QString& fileName) {
  return std::filesystem::path(fileName.toStdU16String());
}

// Raised when the sender of a plot command is not a menu item: the command reads the subtest from
// the item's Tag, which nothing else carries.
class EInvalidCast : public runtime::Exception {
  using Exception::Exception;
};

// Suspends a text view's redrawing; redrawing resumes however the scope ends.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(QWidget* view) : view_(view) { view_->setUpdatesEnabled(false); }
  ~RedrawSuspended() { view_->setUpdatesEnabled(true); }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;

 private:
  QWidget* view_;
};

}  // namespace

void TForm1::mmOpenClick() {
  OpenDialog1.Title = QStringLiteral("Данные по методике \"Тест Струпа\"");
  OpenDialog1.FileName.clear();
  OpenDialog1.InitialDir = exeFolder_ + QStringLiteral("Data");
  if (!OpenDialog1.Execute(this)) return;
  LoadRecordFile(OpenDialog1.FileName);
}

bool TForm1::LoadRecordFile(const QString& fileName) {
  bool shown = false;
  RunCommand([&] {
    // The whole record and its report are read before anything on screen changes, so a failure
    // leaves the previous subject's record, report, chart, foot and menus exactly as they were. The
    // wait cursor is gone before the error box shows.
    WaitCursor wait;
    analysis::LoadedRecord loaded = analysis::LoadRecordFile(PathOf(fileName));
    const std::string selfCheck = group::DescribeMismatches(
        group::CheckSummaries(loaded.Record, group::SummaryRowsOf(loaded)),
        runtime::Cp1251ToUtf8(std::string(1, runtime::DecimalSeparator())));
    record_ = std::move(loaded.Record);
    {
      RedrawSuspended suspended(meAnalysis);
      meAnalysis->clear();
      QStringList report;
      report.reserve(static_cast<qsizetype>(loaded.Report.size()));
      for (const std::string& line : loaded.Report) report << FromCp1251(line);
      meAnalysis->setPlainText(report.join(u'\n'));
      currentSubtest_ = 1;
      Chart5secView->Stroop().ShowSubtest(record_, currentSubtest_);
    }
    mmOpen->setEnabled(true);
    SetRecordCommandsEnabled(true);
    paWork->show();
    sbSelfCheck->showMessage(QString::fromStdString(selfCheck));
    sbSelfCheck->setVisible(!selfCheck.empty());
    shown = true;
  });
  return shown;
}

void TForm1::mmPlot1Click(QObject* Sender) {
  auto* item = qobject_cast<QAction*>(Sender);
  if (!item || !item->property("Tag").isValid()) throw EInvalidCast("Invalid class typecast");
  currentSubtest_ = item->property("Tag").toInt();
  Chart5secView->Stroop().ShowSubtest(record_, currentSubtest_);
}

void TForm1::Chart5secMouseMove(int X, int Y) {
  if (!Chart5sec().PlotRect().Contains(X, Y)) return;
  chart::TChartSeries& stimuli = Chart5secView->Series().Series5sec;
  const int i = stimuli.PointUnderCursor();
  if (i == -1)
    Chart5sec().BottomAxis().Title().SetCaption(runtime::Cp1251FromUtf8("Номер задачи"));
  else if (stimuli.PointX(i) != 0)
    Chart5sec().BottomAxis().Title().SetCaption(stimuli.PointLabel(i));
}

std::optional<std::vector<std::string>> TForm1::ReportLinesForSaving() {
  std::vector<std::string> lines;
  bool lossy = false;
  if (!meAnalysis->document()->isEmpty()) {
    for (QTextBlock block = meAnalysis->document()->begin(); block.isValid();
         block = block.next()) {
      const std::u16string text = block.text().toStdU16String();
      if (auto bytes = runtime::Utf16ToCp1251(text)) {
        lines.push_back(std::move(*bytes));
      } else {
        lossy = true;
        lines.push_back(runtime::Cp1251FromUtf8(block.text().toStdString()));
      }
    }
  }
  if (lossy &&
      !services_.prompts.Confirm(
          this, QStringLiteral("Текст отчета содержит символы, которые нельзя записать в кодировке "
                               "Windows-1251. Они будут записаны как \"?\". Записать файл?")))
    return std::nullopt;
  return lines;
}

void TForm1::mmSaveAnalysisClick() {
  SaveDialog.Title = QStringLiteral("Запись результатов анализа в txt.файл");
  const std::string folder = exeFolder_.toStdString();
  SaveDialog.FileName =
      QString::fromStdString(analysis::DefaultReportFileName(folder, record_.SubjectCode));
  analysis::EnsureResultsFolder(folder);
  if (!SaveDialog.Execute(this)) return;
  std::optional<std::vector<std::string>> lines = ReportLinesForSaving();
  if (!lines) return;
  analysis::SaveReportFile(PathOf(SaveDialog.FileName), *lines);
}

void TForm1::btSaveClick() {
  SaveDialog.OverwritePrompt = true;
  SaveDialog.InitialDir.clear();
  SaveDialog.FileName.clear();
  const std::string folder = exeFolder_.toStdString();
  SaveDialog.InitialDir = QString::fromStdString(analysis::ResultsFolder(folder));
  SaveDialog.Title = QStringLiteral("Запись времени ответов в gif-файл");
  SaveDialog.FileName = QString::fromStdString(
      analysis::DefaultChartFileName(folder, record_.SubjectCode, currentSubtest_));
  analysis::EnsureResultsFolder(folder);
  if (!SaveDialog.Execute(this)) return;

  const std::string chosen = SaveDialog.FileName.toStdString();
  const std::string name = analysis::WithGifExtension(chosen);
  if (analysis::NeedsReplaceQuestion(chosen, name) &&
      !services_.prompts.Confirm(this, QStringLiteral("Файл %1 уже существует.\nЗаменить его?")
                                           .arg(QString::fromStdString(name))))
    return;
  // The chart's own image at its client size, not a copy of the screen: a screen copy would pick up
  // any window lying over the chart.
  SaveChartGif(Chart5sec(), PathOf(QString::fromStdString(name)));
}

}  // namespace app
