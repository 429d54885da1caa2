// Runs the Qt display's tests on Qt's offscreen platform, in English.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("LC_ALL", "C", 1);
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests (as the build does) needs no application.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
