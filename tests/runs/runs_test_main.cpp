#include <QCoreApplication>
#include <gtest/gtest.h>

// The real process runner serves the event loop while a program runs.
int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
