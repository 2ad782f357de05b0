// Settings every Qt entry point (window, headless charts, tests) makes once its application object
// exists, and the start of Qt itself: its arguments and what happens when it cannot start.
#pragma once

#include <string>

namespace app {

// Keeps C number formatting in the "C" locale (Qt switches the whole C locale to the user's on
// start, and the run-time library formats digits through the C library before placing its own
// separator), and maps the fonts the window and the chart name to metric-compatible fonts that are
// installed. Ends the watch ExitIfQtCannotStart set up.
void AfterQtStartup();

// The arguments Qt is started with: the program's name alone. Qt takes options such as
// "-platform xcb" or "-display" from its arguments, so neither record names (which may look like
// them after "--") nor anything else the user typed ever reaches it.
class QtArguments {
 public:
  explicit QtArguments(const char* program);
  QtArguments(const QtArguments&) = delete;
  QtArguments& operator=(const QtArguments&) = delete;

  int& Count() { return count_; }
  char** Values() { return values_; }

 private:
  std::string program_;
  int count_ = 1;
  char* values_[2];
};

// Until AfterQtStartup, Qt's start is watched: when it cannot start (no display to connect to, no
// usable platform), the program prints `failureLine` on standard error and exits with status 1
// instead of aborting with Qt's many lines. Qt's other start-up notices are held back and passed
// on once it has started.
void ExitIfQtCannotStart(std::string failureLine);

}  // namespace app
