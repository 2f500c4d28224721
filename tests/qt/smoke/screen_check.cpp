// Reads a screenshot of the game's window: which pieces lie where and what the two counters say.
// Usage: zeri_screen_check SHOT RED-COUNT BLUE-COUNT [R<cell>|B<cell>]...
// The client area is the bottom 600 x 599 of the shot (the menu bar lies above it).
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/headless_platform.h"
#include "ui/qt/control_painter.h"
#include "ui/qt/label_font.h"
#include "window/form1.h"

namespace {

using zeri::ui::Label;

int Lightness(QRgb pixel) { return qRed(pixel) + qGreen(pixel) + qBlue(pixel); }

// Dark pixels of the middle of a counter, where its digit lies.
QImage DigitMask(const QImage& client, const Label& label) {
  const QRect middle(label.Left + 12, label.Top, label.Width - 30, label.Height);
  QImage mask(middle.size(), QImage::Format_Grayscale8);
  for (int y = 0; y < middle.height(); ++y)
    for (int x = 0; x < middle.width(); ++x)
      mask.setPixel(x, y, Lightness(client.pixel(middle.left() + x, middle.top() + y)) < 300 ? 255 : 0);
  return mask;
}

int Mismatch(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += (qGray(a.pixel(x, y)) > 0) != (qGray(b.pixel(x, y)) > 0);
  return count;
}

// The number a counter shows, compared with each number drawn by the window's own label code.
int ReadCounter(const QImage& client, Label label, zeri::qt::PictureBook& pictures) {
  const QImage shown = DigitMask(client, label);
  int best = -1, bestMismatch = shown.width() * shown.height() + 1;
  for (int value = 0; value <= 64; ++value) {
    QImage drawn(client.size(), QImage::Format_RGB32);
    drawn.fill(QColor(255, 192, 128));
    label.Caption = std::to_string(value);
    QPainter painter(&drawn);
    zeri::qt::PaintControls(painter, {&label}, pictures);
    painter.end();
    const int mismatch = Mismatch(shown, DigitMask(drawn, label));
    if (mismatch < bestMismatch) best = value, bestMismatch = mismatch;
  }
  return best;
}

// 'R' when the cell shows a red piece, 'B' blue, '.' the bare board.
char ReadCell(const QImage& client, const zeri::ui::Image& cell) {
  long r = 0, b = 0, count = 0;
  for (int y = cell.Top; y < cell.Top + 32; ++y) {
    for (int x = cell.Left; x < cell.Left + 32; ++x) {
      const QRgb pixel = client.pixel(x, y);
      if (std::abs(qRed(pixel) - 0) + std::abs(qGreen(pixel) - 117) + std::abs(qBlue(pixel) - 36) < 40) continue;
      r += qRed(pixel);
      b += qBlue(pixel);
      ++count;
    }
  }
  if (count < 200) return '.';
  if (r > b + 60 * count) return 'R';
  if (b > r + 60 * count) return 'B';
  return '?';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s SHOT RED-COUNT BLUE-COUNT [R<cell>|B<cell>]...\n", argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  zeri::qt::InstallFontSubstitutes();
  const QImage shot(QString::fromLocal8Bit(argv[1]));
  if (shot.width() < zeri::Form1::ClientWidth || shot.height() < zeri::Form1::ClientHeight) {
    std::fprintf(stderr, "%s: no window in the screenshot\n", argv[1]);
    return 1;
  }
  const QImage client = shot.copy(0, shot.height() - zeri::Form1::ClientHeight, zeri::Form1::ClientWidth,
                                  zeri::Form1::ClientHeight);
  zeri::ui::HeadlessPlatform platform;
  const zeri::Form1 form(platform);
  zeri::qt::PictureBook pictures;

  bool ok = true;
  const int red = ReadCounter(client, form.Label5, pictures);
  const int blue = ReadCounter(client, form.Label6, pictures);
  if (red != std::atoi(argv[2]) || blue != std::atoi(argv[3])) {
    std::printf("counters read %d / %d, expected %s / %s\n", red, blue, argv[2], argv[3]);
    ok = false;
  }
  for (int i = 4; i < argc; ++i) {
    const char want = argv[i][0];
    const int index = std::atoi(argv[i] + 1);
    if (index < 0 || index > 63) return 2;
    const char seen = ReadCell(client, form.Koma[static_cast<std::size_t>(index)]);
    if (seen != want) {
      std::printf("Koma(%d) shows '%c', expected '%c'\n", index, seen, want);
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
