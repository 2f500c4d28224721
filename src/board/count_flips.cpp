// The capture rule: how many opposing pieces a move flanks in each direction.
#include "window/form1.h"

namespace zeri {

void Form1::CountFlips() {
  for (Int16 d = 1; d <= 8; ++d) FlipCount[d] = 0;
  // A move off the board captures nothing; walking from it would leave the bounds of Ban.
  if (MoveX < 1 || MoveX > BoardSize || MoveY < 1 || MoveY > BoardSize) return;

  for (Int16 d = 1; d <= 8; ++d) {
    const auto [dx, dy] = DirIndex[d];
    const Int16 first = Ban[MoveX + dx][MoveY + dy];
    if (first == CellEmpty || first == Turn) continue;
    WalkX = static_cast<Int16>(MoveX + 2 * dx);
    WalkY = static_cast<Int16>(MoveY + 2 * dy);
    // The border ring holds CellEmpty, so every walk ends inside Ban.
    while (Ban[WalkX][WalkY] != CellEmpty && Ban[WalkX][WalkY] != Turn) {
      WalkX = static_cast<Int16>(WalkX + dx);
      WalkY = static_cast<Int16>(WalkY + dy);
    }
    if (Ban[WalkX][WalkY] == Turn) {
      const int distance = dx != 0 ? (WalkX - MoveX) * dx : (WalkY - MoveY) * dy;
      FlipCount[d] = static_cast<Int16>(distance - 1);
    }
  }
}

}  // namespace zeri
