// The main window's commands for sharing results: the context menus of the chart and the report.
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>

#include "analysis/SaveNames.h"
#include "app/ChartOutputs.h"
#include "app/ExportNames.h"
#include "app/NativePath.h"
#include "app/PdfReport.h"
#include "app/ReportView.h"
#include "app/ResultsFolder.h"
#include "app/TForm1.h"
#include "app/UserPrompts.h"
#include "app/WaitCursor.h"
#include "runtime/AtomicFile.h"

namespace app {

// The outputs are drawn from the record, not taken from the chart on screen, so they match the
// command line's and never carry the mouse readout in the axis title.
void TForm1::pmCopyChartClick() { CopyImageToClipboard(ChartImage(record_, currentSubtest_)); }

void TForm1::SaveChartPng(int scale) {
  SaveOutput(QStringLiteral("Запись графика (%1x) в png-файл").arg(scale),
             QStringLiteral("Изображения PNG (*.png)|*.png"),
             ExportChartFileName(record_.SubjectCode, currentSubtest_, "png"), ".png",
             [this, scale] { return ChartPng(record_, currentSubtest_, scale); });
}

void TForm1::SaveChartSvg() {
  SaveOutput(QStringLiteral("Запись графика в svg-файл"),
             QStringLiteral("Рисунки SVG (*.svg)|*.svg"),
             ExportChartFileName(record_.SubjectCode, currentSubtest_, "svg"), ".svg",
             [this] { return ChartSvg(record_, currentSubtest_); });
}

void TForm1::SaveChartPdf() {
  SaveOutput(QStringLiteral("Запись графика в pdf-файл"),
             QStringLiteral("Документы PDF (*.pdf)|*.pdf"),
             ExportChartFileName(record_.SubjectCode, currentSubtest_, "pdf"), ".pdf",
             [this] { return ChartPdf(record_, currentSubtest_); });
}

void TForm1::pmCopyReportClick() {
  QGuiApplication::clipboard()->setText(meAnalysis->toPlainText());
}

void TForm1::pmSaveReportPdfClick() {
  SaveOutput(QStringLiteral("Запись отчета в pdf-файл"),
             QStringLiteral("Документы PDF (*.pdf)|*.pdf"),
             ExportReportFileName(record_.SubjectCode, "pdf"), ".pdf",
             [this]() -> std::optional<std::string> {
               const std::optional<std::vector<std::string>> lines = ReportLinesForSaving();
               if (!lines) return std::nullopt;
               WaitCursor wait;
               return ReportPdf(record_, *lines, QDate::currentDate());
             });
}

void TForm1::SaveOutput(const QString& title, const QString& filter,
                        const std::string& proposedName, std::string_view extension,
                        const std::function<std::optional<std::string>()>& bytes) {
  const std::filesystem::path results = ChooseResultsFolder(exeFolder_, services_.documentsFolder);
  const std::filesystem::path proposed = results / proposedName;
  ShareDialog.Title = title;
  ShareDialog.Filter = filter;
  ShareDialog.InitialDir = DisplayPath(results);
  ShareDialog.FileName = DisplayPath(proposed);
  if (!ShareDialog.Execute(this)) return;
  const std::filesystem::path chosen = ShareDialog.FileName == DisplayPath(proposed)
                                           ? proposed
                                           : PathFromDisplay(ShareDialog.FileName);
  const std::filesystem::path name = analysis::WithExtension(chosen.native(), extension);
  if (analysis::NeedsReplaceQuestion(chosen.native(), name.native()) &&
      !services_.prompts.Confirm(
          this, QStringLiteral("Файл %1 уже существует.\nЗаменить его?").arg(DisplayPath(name))))
    return;
  const std::optional<std::string> content = bytes();
  if (!content) return;
  MakeResultsFolderFor(name, results);
  runtime::SaveFileAtomically(name, *content);
}

}  // namespace app
