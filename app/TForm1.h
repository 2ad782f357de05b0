// The main window: menu, chart above the report view, the open and save dialogs, the system-menu
// entry, and the record data of the current subject. One slot per command; the work itself is in
// analysis/ and stroopchart/.
//
// Vocabulary. Class names start with T (TForm1 is the main window, TAboutBox the about dialog). A
// control's name starts with its kind:
//   mm  an item of the main menu (mmOpen is "Data", mmPlot1..mmPlot4 "Plot1".."Plot4")
//   pm  an item of a context menu (pmCopyChart, on the chart; pmCopyReport, on the report)
//   me  a memo, that is a multi-line text view (meAnalysis, the report)
//   pa  a panel (paWork, the work area)
//   sb  a status bar (sbSelfCheck, under the report)
//   bt  a button: btSaveClick, the handler of "Save" > "Chart", keeps a button's prefix
// A handler is named after its control and event: mmOpenClick runs when mmOpen is clicked.
// Chart5sec is the reaction-time chart; its series are Series5sec (the stimuli), Series5secAv (the
// mean) and Series5sec2Dp / Series5sec2Dm (mean plus / minus 2 SD).
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/RecordData.h"
#include "app/TFileDialog.h"
#include "app/WindowServices.h"

class QAction;
class QFrame;
class QMenu;
class QScrollArea;
class QStatusBar;

namespace chart {
class TChart;
}

namespace app {

class ChartView;
class ReportView;
class TAboutBox;
class TSystemMenu;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // exeFolder is the executable's folder, byte for byte; the open dialog starts in its "Data"
  // folder, the save dialogs in the results folder (see ChooseResultsFolder).
  TForm1(WindowServices services, std::filesystem::path exeFolder, QWidget* parent = nullptr);
  ~TForm1() override;

  // The about dialog that command 1025 shows (created by the start sequence after this window).
  void SetAboutBox(TAboutBox* aboutBox) { aboutBox_ = aboutBox; }

  // The window's own system menu and its one system-command handler (WM_SYSCOMMAND, the window
  // system's message for them): 1025 shows the about dialog, every command then gets the window
  // system's own handling. 1025 also raises and activates a dialog already open, which may lie
  // behind the window.
  TSystemMenu* SystemMenu() { return systemMenu_; }
  void WMSysCommand(unsigned commandId);

  // Commands.
  void mmOpenClick();                     // "Data": choose a record, then LoadRecordFile
  void mmPlot1Click(QObject* Sender);     // "Plot1".."Plot4": show the subtest in the item's Tag
  void Chart5secMouseMove(int X, int Y);  // the pointed stimulus's label as the bottom axis title
  void mmSaveAnalysisClick();             // "Save" > "Analysis": the report view's text to a file
  void btSaveClick();                     // "Save" > "Chart": the chart's image to a GIF file

  // The context menus' commands, for sharing results: the shown chart on the clipboard, as a PNG
  // drawn at 1, 2 or 4 times its size, SVG or PDF; the report view's text on the clipboard; the
  // PDF report (the view's text, edits included, and the four charts). Each save proposes the
  // GIF's or the report's name with its own extension in the results folder.
  void pmCopyChartClick();
  void SaveChartPng(int scale);
  void SaveChartSvg();
  void SaveChartPdf();
  void pmCopyReportClick();
  void pmSaveReportPdfClick();

  // Loads a record file into the window: reads the record and writes its report, then shows the
  // report, subtest 1 with the subject's identification line in the chart's foot, every command
  // and the work panel. "Data" calls it for the chosen file, the command line for the record it
  // names, a drop for the file dropped. A failure shows the error box and leaves the window as it
  // was. True when it loaded.
  bool LoadRecordFile(const std::filesystem::path& fileName);

  // Files dropped on the window: the first is loaded as "Data" would; when there were more, the
  // user is told that only the first is opened.
  void DropFiles(const std::vector<std::filesystem::path>& files);

  // Opens the menu bar for the keyboard with its first item highlighted, as Alt does (F10).
  void OpenMenuBarByKeyboard();

  // Controls, in creation order.
  QFrame* Bevel1;            // a sunken line at the top, covered by paWork once it shows
  QScrollArea* paWork;       // the work area; hidden until a record loads, scrolls when the
                             // window is smaller than WorkArea's design size
  QWidget* WorkArea;         // inside paWork: the chart at its fixed place and the report below
  ChartView* Chart5secView;  // the widget that shows Chart5sec
  ReportView* meAnalysis;    // the report, editable; grows with the work area
  // Shown only for a record whose summary rows disagree with its stimulus rows, saying where.
  QStatusBar* sbSelfCheck;
  chart::TChart& Chart5sec();

  // Menu items.
  QAction* mmOpen;
  QAction* mmPlot1;
  QAction* mmPlot2;
  QAction* mmPlot3;
  QAction* mmPlot4;
  QMenu* mmSave;
  QAction* mmSaveAnalysis;
  QAction* mmSaveChart5sec;

  // Context menu items: the chart's (its widget's actions, in this order) and the report's.
  QAction* pmCopyChart;
  QAction* pmSavePng1x;
  QAction* pmSavePng2x;
  QAction* pmSavePng4x;
  QAction* pmSaveSvg;
  QAction* pmSavePdf;
  QAction* pmSaveReportPdf;  // in both menus
  QAction* pmCopyReport;

  TFileDialog OpenDialog1;  // "Data"
  TFileDialog SaveDialog;   // both "Save" commands
  TFileDialog ShareDialog;  // the context menus' saves

  // Record data of the current subject and the executable's folder.
  const analysis::RecordData& Record() const { return record_; }
  // The subtest the chart shows, 1..4: 1 after every load, then the one the last "Plot" chose.
  int CurrentSubtest() const { return currentSubtest_; }
  const std::filesystem::path& ExeFolder() const { return exeFolder_; }

  // The design size of the client area: the restored window's size, and the least the work area
  // takes before it scrolls.
  static constexpr int kDesignClientWidth = 1024;
  static constexpr int kDesignClientHeight = 661;

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateMenus();
  void CreateShortcuts();
  void CreateContextMenus();
  void CreateControls();
  void FormCreate();
  void SetRecordCommandsEnabled(bool enabled);
  // Shows the subtest and puts the bottom axis title back, so the readout never describes a
  // stimulus of another subtest or subject.
  void ShowSubtest(int subtest);
  // Save's items have shortcuts of their own; they run only while "Save" can be chosen.
  void RunSaveCommand(void (TForm1::*command)());
  // Runs one command: an error it raises stops it there and its message goes to the error box (a
  // silent abort shows nothing); what the command changed before the error stays changed. The
  // window's only place that catches errors.
  void RunCommand(const std::function<void()>& command);
  void ShowError(const std::string& messageCp1251);
  // The report view's lines as CP1251 for saving; nothing when the user declines to lose characters
  // the code page cannot store.
  std::optional<std::vector<std::string>> ReportLinesForSaving();
  // A context menu's save: proposes `proposedName` in the results folder, adds `extension` (".png")
  // to a chosen name without it as "Chart" adds ".gif", and writes what `bytes` gives whole or not
  // at all. `bytes` gives nothing when the user declines.
  void SaveOutput(const QString& title, const QString& filter, const std::string& proposedName,
                  std::string_view extension,
                  const std::function<std::optional<std::string>()>& bytes);

  WindowServices services_;
  std::filesystem::path exeFolder_;
  TAboutBox* aboutBox_ = nullptr;
  TSystemMenu* systemMenu_ = nullptr;
  analysis::RecordData record_;
  int currentSubtest_ = 1;
};

}  // namespace app
