// Runs a file dialog through its runner and keeps the chosen name.
#include "app/TFileDialog.h"

namespace app {

bool TFileDialog::Execute(QWidget* parent) {
  std::optional<QString> chosen = runner_->Run(*this, parent);
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

}  // namespace app
