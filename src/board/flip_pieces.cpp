// Turns the pieces a move captures, one at a time: direction 1 to 8, nearest first.
#include "window/form1.h"

namespace zeri {

void Form1::FlipPieces() {
  for (Int16 d = 1; d <= 8; ++d) {
    if (FlipCount[d] < 1) continue;
    const auto [dx, dy] = DirIndex[d];
    for (Int16 k = 1; k <= FlipCount[d]; ++k) {
      WalkX = static_cast<Int16>(MoveX + k * dx);
      WalkY = static_cast<Int16>(MoveY + k * dy);
      // Runs along the move's column or row take that coordinate of the picture from the cursor.
      Int16 index;
      if (dx == 0)
        index = static_cast<Int16>((WalkY - 1) * 8 + CursorX);
      else if (dy == 0)
        index = static_cast<Int16>(CursorY * 8 + (WalkX - 1));
      else
        index = KomaIndex(WalkX, WalkY);

      Ban[WalkX][WalkY] = Turn;
      ShrinkKoma(index);
      Koma[index].Picture = Turn == SideRed ? redImage.Picture : blueImage.Picture;
      GrowKoma(index);
    }
  }
}

}  // namespace zeri
