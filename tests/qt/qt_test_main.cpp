// The Qt tests share one application object, on the offscreen platform unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "ui/qt/label_font.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  QApplication app(argc, argv);
  zeri::qt::InstallFontSubstitutes();
  return RUN_ALL_TESTS();
}
