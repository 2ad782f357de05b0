// The report view: an editable text view in which Tab moves the focus on, as everywhere else in the
// window, and Ctrl+Tab types a tab character. Its context menu is the text view's own (undo, cut,
// copy, paste...) followed by the window's commands on the report.
#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <utility>

class QMenu;

namespace app {

class ReportView : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit ReportView(QWidget* parent = nullptr);

  // The commands the context menu offers after the text view's own, below a separator.
  void SetReportActions(QList<QAction*> actions) { reportActions_ = std::move(actions); }
  // The context menu as a right click shows it; the caller owns it.
  QMenu* CreateContextMenu();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QList<QAction*> reportActions_;
};

}  // namespace app
