// Shows TFileDialog settings in a QFileDialog: the filter's descriptions exactly as written, its
// patterns matched without regard to case, the overwrite prompt only when the dialog asks for it.
#pragma once

#include <QFileDialog>
#include <memory>

#include "app/TFileDialog.h"

namespace app {

class QtFileDialogRunner : public FileDialogRunner {
 public:
  std::optional<QString> Run(const TFileDialog& dialog, QWidget* parent) override;
};

// The configured, not yet shown, Qt dialog; separate so tests can look at what it offers.
std::unique_ptr<QFileDialog> MakeQtFileDialog(const TFileDialog& dialog, QWidget* parent);

}  // namespace app
