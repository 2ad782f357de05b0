// Test entry point: with the application built, one QApplication on the offscreen platform serves
// the window and chart-image cases; without it the plain C++ cases run alone.
#include <gtest/gtest.h>

#ifdef STROOP_RELIABILITY_WITH_APP
#include <QApplication>
#endif

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
#ifdef STROOP_RELIABILITY_WITH_APP
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
#endif
  return RUN_ALL_TESTS();
}
