#include <QApplication>
#include <gtest/gtest.h>

// Page tests need a widget application; no display is needed, also when the
// tests are listed at build time.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
