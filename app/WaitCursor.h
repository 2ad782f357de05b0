// Shows the wait cursor for the lifetime of the guard, restoring the previous cursor however the
// scope ends.
#pragma once

#include <QApplication>

namespace app {

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace app
