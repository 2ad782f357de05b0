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

// Until AfterQtStartup, Qt's start is watched: when it cannot start (no display to connect to, no
// usable platform), the program prints `failureLine` on standard error and exits with status 1
// instead of aborting with Qt's many lines. Qt's other start-up notices are held back and passed
// on once it has started. Qt is always started with the program's name as its only argument, so
// that no record name (which may look like "-platform xcb" after "--") reaches it.
void ExitIfQtCannotStart(std::string failureLine);

}  // namespace app
