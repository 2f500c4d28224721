#include "window_fixture.h"

#include <QPixmap>
#include <cstdlib>

namespace zeri::qt::testing {

bool Near(QColor a, QColor b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

::testing::AssertionResult PixelIs(const QImage& image, int x, int y, QColor expected, int tolerance) {
  const QColor actual = image.pixelColor(x, y);
  if (Near(actual, expected, tolerance)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << actual.red() << ","
                                       << actual.green() << "," << actual.blue() << ", expected "
                                       << expected.red() << "," << expected.green() << ","
                                       << expected.blue();
}

Ink InkIn(const QImage& image, const QRect& area, QColor background) {
  Ink ink;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (Near(pixel, background, 24)) continue;
      ++ink.Count;
      ink.R += pixel.red();
      ink.G += pixel.green();
      ink.B += pixel.blue();
      ink.Bounds |= QRect(x, y, 1, 1);
    }
  }
  if (ink.Count > 0) {
    ink.R /= ink.Count;
    ink.G /= ink.Count;
    ink.B /= ink.Count;
  }
  return ink;
}

PictureBook& WindowTest::Pictures() {
  static PictureBook pictures;
  return pictures;
}

WindowTest::WindowTest() : form(platform), window(form, Pictures()) {
  platform.Attach(&window);
  Run([this] { form.Form_Load(); });
  // No idle ticks between the steps of a test.
  form.Timer1.Enabled = false;
  window.show();
  window.Sync();
}

QImage WindowTest::Grab() {
  return window.Client().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace zeri::qt::testing
