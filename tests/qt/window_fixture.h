// A shown main window on the offscreen platform, and pixel helpers over a grab of its client area.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include "ui/qt/game_window.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_platform.h"
#include "window/form1.h"

namespace zeri::qt::testing {

// Colours of the board picture.
inline const QColor Field(0, 117, 36);
inline const QColor Outline(0, 15, 5);
inline const QColor InnerLine(0, 28, 9);

// Pixels count as equal within a small tolerance, as drawing may round colours.
bool Near(QColor a, QColor b, int tolerance = 6);
::testing::AssertionResult PixelIs(const QImage& image, int x, int y, QColor expected, int tolerance = 6);

// Mean colour of the pixels of an area that differ from a background colour, and how many there are.
struct Ink {
  int Count = 0;
  double R = 0, G = 0, B = 0;
  QRect Bounds;
};
Ink InkIn(const QImage& image, const QRect& area, QColor background);

class WindowTest : public ::testing::Test {
 protected:
  WindowTest();
  // The client area as the screen shows it: board view and toolbar.
  QImage Grab();
  // Runs a handler as a Qt event would.
  void Run(const std::function<void()>& handler) { window.Invoke(handler); }

  static PictureBook& Pictures();

  QtPlatform platform;
  Form1 form;
  GameWindow window;
};

}  // namespace zeri::qt::testing
