// Shows TFileDialog settings in a QFileDialog: the filter's descriptions exactly as written, its
// patterns matched without regard to case, the overwrite prompt only when the dialog asks for it.
// Dialogs open large enough to show their columns, and each kind (open, save) comes back in the
// session at the folder and size the user last left it.
#pragma once

#include <QFileDialog>
#include <QSize>
#include <memory>

#include "app/TFileDialog.h"

namespace app {

// What a dialog of one kind keeps from its last use in the session.
struct FileDialogMemory {
  QString folder;  // the folder of the last chosen file; empty before the first
  QSize size;      // invalid before the first use
};

class QtFileDialogRunner : public FileDialogRunner {
 public:
  std::optional<QString> Run(const TFileDialog& dialog, QWidget* parent) override;

 private:
  FileDialogMemory open_, save_;
};

// The size a dialog opens at before the user chose one: wide enough for the name, size, type and
// date columns, within the screen's working area.
QSize InitialFileDialogSize(const QWidget* parent);

// The configured, not yet shown, Qt dialog; separate so tests can look at what it offers. With a
// memory of an earlier use, the dialog opens in that folder (the proposed file name kept) and at
// that size.
std::unique_ptr<QFileDialog> MakeQtFileDialog(const TFileDialog& dialog, QWidget* parent,
                                              const FileDialogMemory& memory = {});

// Remembers the dialog's size and, when a file was chosen, that file's folder.
void RememberFileDialog(const QFileDialog& qt, bool accepted, FileDialogMemory& memory);

}  // namespace app
