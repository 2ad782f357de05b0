// The real main window with its desktop services replaced: scripted file dialogs, recorded message
// boxes, a cursor position the test sets and a documents folder of its own. Records are written
// into a temporary executable folder.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QPoint>
#include <QString>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/TAboutBox.h"
#include "app/TFileDialog.h"
#include "app/TForm1.h"
#include "app/UserPrompts.h"
#include "tests/support/TempFolder.h"

namespace app::test {

struct DialogCall {
  TFileDialog::Kind kind;
  QString title, fileName, initialDir, filter;
  bool overwritePrompt;
};

// Answers each dialog with the next scripted name; nothing left means the user cancels.
class ScriptedDialogs : public FileDialogRunner {
 public:
  std::deque<std::optional<QString>> answers;
  std::vector<DialogCall> calls;
  std::optional<QString> Run(const TFileDialog& dialog, QWidget*) override;
};

// Keeps every error text, whether the wait cursor was still up when it showed, every note and
// every question; answers questions from a script (No when it runs out).
class RecordingPrompts : public UserPrompts {
 public:
  std::vector<QString> errors;
  std::vector<bool> waitCursorAtError;
  std::vector<QString> notes;
  std::vector<QString> questions;
  std::deque<bool> answers;
  void ShowError(QWidget*, const QString& text) override;
  void ShowNote(QWidget*, const QString& text) override { notes.push_back(text); }
  bool Confirm(QWidget*, const QString& text) override;
};

class WindowFixture {
 public:
  WindowFixture();

  // Writes CP1251 lines with CR LF into the executable folder's "Data" and returns the path.
  QString WriteRecord(const QString& name, const std::vector<std::string>& lines);
  // "Data" with the file chosen in the dialog.
  void Open(const QString& path);
  QString Folder() const { return QString::fromStdString(exeDir.Path().string()) + "/"; }
  QString Documents() const { return QString::fromStdString(documentsDir.Path().string()) + "/"; }

  testsupport::TempFolder exeDir;
  testsupport::TempFolder documentsDir;
  ScriptedDialogs dialogs;
  RecordingPrompts prompts;
  QPoint cursor;
  TForm1 form;
  TAboutBox about;
};

// A saved file's bytes, or "<missing>".
inline QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace app::test
