// The main window: menu, chart above the report view, the open and save dialogs, the system-menu
// entry, and the record data of the current subject. One slot per command; the work itself is in
// analysis/ and chart/.
#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/RecordData.h"
#include "app/TFileDialog.h"
#include "app/WindowServices.h"

class QAction;
class QFrame;
class QMenu;
class QPlainTextEdit;

namespace chart {
class TChart;
}

namespace app {

class ChartView;
class TAboutBox;
class TSystemMenu;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // exeFolder ends with a path delimiter; the dialogs start in its "Data" and "Results" folders.
  TForm1(WindowServices services, QString exeFolder, QWidget* parent = nullptr);
  ~TForm1() override;

  // The about dialog that command 1025 shows (created by the start sequence after this window).
  void SetAboutBox(TAboutBox* aboutBox) { aboutBox_ = aboutBox; }

  // The window's own system menu and its one system-command handler.
  TSystemMenu* SystemMenu() { return systemMenu_; }
  void WMSysCommand(unsigned commandId);

  // Commands.
  void mmOpenClick();
  void mmPlot1Click(QObject* Sender);
  void Chart5secMouseMove(int X, int Y);
  void mmSaveAnalysisClick();
  void btSaveClick();

  // Steps 5 to 15 of "Data" for a file already chosen; the command line starts the window with it.
  // Failures show the error box and leave the window as it was. True when the record loaded.
  bool LoadRecordFile(const QString& fileName);

  // Controls, in creation order.
  QFrame* Bevel1;
  QWidget* paWork;
  ChartView* Chart5secView;
  QPlainTextEdit* meAnalysis;
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

  TFileDialog OpenDialog1;
  TFileDialog SaveDialog;

  // Record data of the current subject and the executable's folder (with its trailing delimiter).
  const analysis::RecordData& Record() const { return record_; }
  // The subtest the chart shows, 1..4: 1 after every load, then the one the last "Plot" chose.
  int CurrentSubtest() const { return currentSubtest_; }
  const QString& ExeFolder() const { return exeFolder_; }

  // The design size of the client area; the maximised window may be larger or smaller.
  static constexpr int kDesignClientWidth = 1024;
  static constexpr int kDesignClientHeight = 661;

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateMenus();
  void CreateControls();
  void FormCreate();
  void SetRecordCommandsEnabled(bool enabled);
  void ApplyBorder();
  // Runs one command: an error it raises stops it there and its message goes to the error box (a
  // silent abort shows nothing); what the command changed before the error stays changed. The
  // window's only place that catches errors.
  void RunCommand(const std::function<void()>& command);
  void ShowError(const std::string& messageCp1251);
  // The report view's lines as CP1251 for saving; nothing when the user declines to lose characters
  // the code page cannot store.
  std::optional<std::vector<std::string>> ReportLinesForSaving();

  WindowServices services_;
  QString exeFolder_;
  TAboutBox* aboutBox_ = nullptr;
  TSystemMenu* systemMenu_ = nullptr;
  analysis::RecordData record_;
  int currentSubtest_ = 1;
};

}  // namespace app
