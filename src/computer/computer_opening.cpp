// The computer's first move when it plays red: always (3,4), turning (4,4), at every strength.
#include "window/form1.h"

namespace zeri {

namespace {
constexpr Int16 PlacedX = 3, PlacedY = 4;
constexpr Int16 TurnedX = 4, TurnedY = 4;
}  // namespace

void Form1::ComputerOpening() {
  if (sengen::RedPlayer <= PlayerHuman) return;
  Busy = 1;
  Turn = SideRed;

  MoveX = PlacedX;
  MoveY = PlacedY;
  PlaySideSound(SideRed);
  Int16 placed = KomaIndex(MoveX, MoveY);
  Koma[placed].Picture = redImage.Picture;
  Koma[placed].Visible = true;
  GrowKoma(placed);
  // Each cell enters the board only once its animation is over, so the idle rotation leaves the
  // growing piece alone and still paints the turning one blue.
  Ban[PlacedX][PlacedY] = Turn;

  MoveX = TurnedX;
  MoveY = TurnedY;
  Int16 turned = KomaIndex(MoveX, MoveY);
  ShrinkKoma(turned);
  // Read only now, so a piece set chosen during the shrink shows on this piece.
  Koma[turned].Picture = redImage.Picture;
  GrowKoma(turned);
  Ban[TurnedX][TurnedY] = Turn;

  RedCount = static_cast<Int16>(RedCount + 2);
  BlueCount = static_cast<Int16>(BlueCount - 1);
  Turn = SideBlue;
  ShowCounts(true);
  ShowNextSide(SideRed);
  Busy = 0;
}

}  // namespace zeri
