// The capture rule: how many opposing pieces a move flanks in each direction.
#include "window/form1.h"

namespace zeri {

void Form1::CountFlips() {
  for (Int16 d = 1; d <= 8; ++d) FlipCount[d] = 0;
  // A move off the board captures nothing; walking from it would leave the bounds of Ban.
  if (MoveX < 1 || MoveX > BoardSize || MoveY < 1 || MoveY > BoardSize) return;
  for (Int16 d = 1; d <= 8; ++d) FlipCount[d] = FlankedAlong(MoveX, MoveY, d, WalkX, WalkY);
}

Int16 Form1::FlankedAlong(Int16 x, Int16 y, Int16 d, Int16& walkX, Int16& walkY) {
  const auto [dx, dy] = DirIndex[d];
  const Int16 first = Ban[x + dx][y + dy];
  if (first == CellEmpty || first == Turn) return 0;
  walkX = static_cast<Int16>(x + 2 * dx);
  walkY = static_cast<Int16>(y + 2 * dy);
  Int16 flanked = 1;
  // The border ring holds CellEmpty, so every walk ends inside Ban.
  while (Ban[walkX][walkY] != CellEmpty && Ban[walkX][walkY] != Turn) {
    walkX = static_cast<Int16>(walkX + dx);
    walkY = static_cast<Int16>(walkY + dy);
    ++flanked;
  }
  return Ban[walkX][walkY] == Turn ? flanked : Int16{0};
}

}  // namespace zeri
