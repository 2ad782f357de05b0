// What the main window asks of the desktop, gathered so tests can drive every command without a
// person: the file dialogs, the message boxes, the mouse cursor's screen position and the user's
// documents folder.
#pragma once

#include <QPoint>
#include <filesystem>
#include <functional>

namespace app {

class FileDialogRunner;
class UserPrompts;

struct WindowServices {
  FileDialogRunner& dialogs;
  UserPrompts& prompts;
  // The cursor's position in screen coordinates (QCursor::pos in the running program).
  std::function<QPoint()> cursorPos;
  // Where results go when the executable's folder is read-only (QStandardPaths' documents folder in
  // the running program).
  std::filesystem::path documentsFolder;
};

}  // namespace app
