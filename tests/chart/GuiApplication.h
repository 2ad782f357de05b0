// The GUI application the QPainter canvases need for their fonts, made once on first use.
#pragma once

#include <QGuiApplication>

namespace chart {

// The tests run it on the offscreen platform.
inline void EnsureGuiApplication() {
  static int argc = 1;
  static char name[] = "chart_tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: at exit Qt's own globals are gone before function statics, and deleting the
  // application then crashes the test process.
  if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
}

}  // namespace chart
