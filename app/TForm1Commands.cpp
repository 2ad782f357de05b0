// The main window's commands: loading a record, choosing the subtest, the mouse readout, saving
// results.
#include <QAction>
#include <QScrollArea>
#include <QStatusBar>
#include <QTextBlock>

#include "analysis/RecordLoader.h"
#include "analysis/ReportFile.h"
#include "analysis/SaveNames.h"
#include "app/ChartImage.h"
#include "app/ChartView.h"
#include "app/Cp1251Text.h"
#include "app/ExportNames.h"
#include "app/NativePath.h"
#include "app/RecordsFolder.h"
#include "app/ReportView.h"
#include "app/ResultsFolder.h"
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

// The file a save dialog's answer names: the proposed path itself, bytes included, when the user
// kept it; otherwise the path the shown text stands for.
std::filesystem::path ChosenPath(const QString& answer, const std::filesystem::path& proposed) {
  return answer == DisplayPath(proposed) ? proposed : PathFromDisplay(answer);
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
  OpenDialog1.InitialDir = DisplayPath(RecordsFolder(exeFolder_));
  if (!OpenDialog1.Execute(this)) return;
  LoadRecordFile(PathFromDisplay(OpenDialog1.FileName));
}

void TForm1::DropFiles(const std::vector<std::filesystem::path>& files) {
  if (files.empty()) return;
  if (files.size() > 1)
    services_.prompts.ShowNote(this, QStringLiteral("Перетащено файлов: %1. Открывается только "
                                                    "первый из них:\n%2")
                                         .arg(files.size())
                                         .arg(DisplayPath(files.front())));
  LoadRecordFile(files.front());
}

bool TForm1::LoadRecordFile(const std::filesystem::path& fileName) {
  bool shown = false;
  RunCommand([&] {
    // The whole record and its report are read before anything on screen changes, so a failure
    // leaves the previous subject's record, report, chart, foot and menus exactly as they were. The
    // wait cursor is gone before the error box shows.
    WaitCursor wait;
    analysis::LoadedRecord loaded = analysis::LoadRecordFile(fileName);
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
      ShowSubtest(1);
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
  ShowSubtest(item->property("Tag").toInt());
}

void TForm1::ShowSubtest(int subtest) {
  currentSubtest_ = subtest;
  Chart5secView->Stroop().ShowSubtest(record_, currentSubtest_);
  Chart5sec().BottomAxis().Title().SetCaption(runtime::Cp1251FromUtf8("Номер стимула"));
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
  const std::filesystem::path results = ChooseResultsFolder(exeFolder_, services_.documentsFolder);
  const std::filesystem::path proposed =
      results / analysis::ReportFileName(FileSafeSubjectCode(record_.SubjectCode));
  SaveDialog.FileName = DisplayPath(proposed);
  if (!SaveDialog.Execute(this)) return;
  const std::filesystem::path chosen = ChosenPath(SaveDialog.FileName, proposed);
  std::optional<std::vector<std::string>> lines = ReportLinesForSaving();
  if (!lines) return;
  MakeResultsFolderFor(chosen, results);
  analysis::SaveReportFile(chosen, *lines);
}

void TForm1::btSaveClick() {
  SaveDialog.OverwritePrompt = true;
  SaveDialog.InitialDir.clear();
  SaveDialog.FileName.clear();
  const std::filesystem::path results = ChooseResultsFolder(exeFolder_, services_.documentsFolder);
  SaveDialog.InitialDir = DisplayPath(results);
  SaveDialog.Title = QStringLiteral("Запись времени ответов в gif-файл");
  const std::filesystem::path proposed =
      results / analysis::ChartFileName(FileSafeSubjectCode(record_.SubjectCode), currentSubtest_);
  SaveDialog.FileName = DisplayPath(proposed);
  if (!SaveDialog.Execute(this)) return;

  const std::filesystem::path chosen = ChosenPath(SaveDialog.FileName, proposed);
  const std::filesystem::path name = analysis::WithGifExtension(chosen.native());
  if (analysis::NeedsReplaceQuestion(chosen.native(), name.native()) &&
      !services_.prompts.Confirm(
          this, QStringLiteral("Файл %1 уже существует.\nЗаменить его?").arg(DisplayPath(name))))
    return;
  // The chart's own image at its client size, not a copy of the screen: a screen copy would pick up
  // any window lying over the chart.
  MakeResultsFolderFor(name, results);
  SaveChartGif(Chart5sec(), name);
}

}  // namespace app
