// Settings every Qt entry point (window, headless charts, tests) makes once its application object
// exists.
#pragma once

namespace app {

// Keeps C number formatting in the "C" locale (Qt switches the whole C locale to the user's on
// start, and the run-time library formats digits through the C library before placing its own
// separator), and maps the fonts the window and the chart name to metric-compatible fonts that are
// installed.
void AfterQtStartup();

}  // namespace app
