// Once a second every piece on the board shows the next frame of its germ, all in step.
#include "window/form1.h"

namespace zeri {

void Form1::Timer1_Timer() {
  AnimFrame = static_cast<Int16>(AnimFrame + 1);
  if (AnimFrame == 4) AnimFrame = 0;
  // Painted by Ban alone, from the germ frames whatever the piece set is.
  for (int c = 1; c <= 8; ++c) {
    for (int r = 1; r <= 8; ++r) {
      if (Ban[c][r] == SideRed) Koma[KomaIndex(c, r)].Picture = Red[AnimFrame].Picture;
      if (Ban[c][r] == SideBlue) Koma[KomaIndex(c, r)].Picture = Blue[AnimFrame].Picture;
    }
  }
}

}  // namespace zeri
