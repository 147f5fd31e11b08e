#include <gtest/gtest.h>

#include <QApplication>

// GUI tests need the application object for fonts, images and widgets; the
// offscreen platform is forced so that no display is ever needed.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
