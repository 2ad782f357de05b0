// Test entry point: one QApplication for every window test (the offscreen platform needs no
// display).
#include <gtest/gtest.h>

#include <QApplication>

#include "app/QtStartup.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Test discovery runs the executable without the test environment; the window tests never need a
  // display of their own.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  app::AfterQtStartup();
  return RUN_ALL_TESTS();
}
