// The window's tests need one application object for the whole run; QT_QPA_PLATFORM=offscreen
// (set by CTest) lets them run without a display.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Listing the tests (CTest's discovery at build time) runs without CTest's environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
