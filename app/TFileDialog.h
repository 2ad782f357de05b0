// The window's open and save dialogs: the properties the commands set, shown through a replaceable
// runner.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace app {

class TFileDialog;

// Shows a dialog modally and returns the chosen file name, or nothing when the user cancels.
// The window uses the Qt runner; tests put a scripted one in its place.
class FileDialogRunner {
 public:
  virtual ~FileDialogRunner() = default;
  virtual std::optional<QString> Run(const TFileDialog& dialog, QWidget* parent) = 0;
};

class TFileDialog {
 public:
  enum class Kind { Open, Save };

  TFileDialog(Kind kind, FileDialogRunner& runner) : kind_(kind), runner_(&runner) {}

  Kind kind() const { return kind_; }

  QString Title;
  QString FileName;    // proposed before Execute, the chosen name after it
  QString InitialDir;  // empty: the runner's own choice
  QString Filter;      // "Description|pattern;pattern|..."
  bool OverwritePrompt = false;

  // True when the user chose a file; FileName then holds it exactly as entered.
  bool Execute(QWidget* parent);

 private:
  Kind kind_;
  FileDialogRunner* runner_;
};

}  // namespace app
