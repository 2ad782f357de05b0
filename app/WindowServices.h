// What the main window asks of the desktop, gathered so tests can drive every command without a
// person: the file dialogs, the message boxes and the mouse cursor's screen position.
#pragma once

#include <QPoint>
#include <functional>

namespace app {

class FileDialogRunner;
class UserPrompts;

struct WindowServices {
  FileDialogRunner& dialogs;
  UserPrompts& prompts;
  // The cursor's position in screen coordinates (QCursor::pos in the running program).
  std::function<QPoint()> cursorPos;
};

}  // namespace app
