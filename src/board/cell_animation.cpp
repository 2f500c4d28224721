// A placed piece grows out of nothing; a captured one shrinks away before it grows in its new colour.
#include "window/form1.h"

namespace zeri {

namespace {
constexpr Int16 FullSize = 32;

void SetSize(ui::Image& picture, int size) {
  picture.Width = static_cast<Int16>(size);
  picture.Height = static_cast<Int16>(size);
}
}  // namespace

void Form1::GrowKoma(Int16& index) {
  ui::Image& cell = Koma[index];
  // The speed is read once, so a change made from inside the pump applies from the next call.
  const Int16 off = AnimOff;
  const Int16 step = AnimStep;
  if (off == 0) {
    for (int i = 1; i <= 64; i += step) {
      SetSize(cell, i / 2);
      DoEvents();
    }
  }
  SetSize(cell, FullSize);
}

void Form1::ShrinkKoma(Int16& index) {
  ui::Image& cell = Koma[index];
  const Int16 off = AnimOff;
  const Int16 step = AnimStep;
  if (off != 0) return;
  for (int i = 128; i >= 1; i -= step) {
    SetSize(cell, i / 4);
    DoEvents();
  }
}

}  // namespace zeri
