// The computer's move: looks one move ahead, ranks the legal moves by a key that depends on the
// strength, and plays the best one completely.
#include "computer/position_weight.h"
#include "window/form1.h"

namespace zeri {

using sengen::MoveCount;
using sengen::MoveListX;
using sengen::MoveListY;

namespace {

Int16 FlipTotal(const std::array<Int16, 9>& flipCount) {
  Int16 total = 0;
  for (Int16 d = 1; d <= 8; ++d) total = static_cast<Int16>(total + flipCount[d]);
  return total;
}

// 1: most flips. 2: cell weight times flips. 3: cell weight first, flips only between equals.
Int16 Key(int level, Int16 weight, Int16 flips) {
  switch (level) {
    case 1:
      return flips;
    case 2:
      return static_cast<Int16>(weight * flips * 10);
    default:
      return static_cast<Int16>(weight * 100 + flips);
  }
}

}  // namespace

void Form1::ComputerMoveLevel1() { ComputerMove(1); }
void Form1::ComputerMoveLevel2() { ComputerMove(2); }
void Form1::ComputerMoveLevel3() { ComputerMove(3); }

void Form1::ComputerMove(int level) {
  // With nothing listed there is no move to play; "candidate 1" would then be a cell off the board.
  if (MoveCount < 1) return;

  const WeightTable Weight = level >= 2 ? PositionWeights() : WeightTable{};
  for (int k = 1; k <= 64; ++k) Score[k] = 0;
  for (Int16 k = 1; k <= MoveCount; ++k) {
    MoveX = MoveListX[k];
    MoveY = MoveListY[k];
    CountFlips();
    Score[k] = FlipTotal(FlipCount);
  }

  auto keyOf = [&](Int16 k) { return Key(level, Weight[MoveListX[k]][MoveListY[k]], Score[k]); };
  Int16 best = 1;
  BestScore = keyOf(1);
  for (Int16 k = 2; k <= MoveCount; ++k) {
    // Greater or equal: of equal keys the last listed wins, the highest column, then row.
    if (keyOf(k) >= BestScore) {
      best = k;
      BestScore = keyOf(k);
    }
  }

  MoveX = MoveListX[best];
  MoveY = MoveListY[best];
  CountFlips();
  Int16 index = KomaIndex(MoveX, MoveY);
  Koma[index].Picture = Turn == SideRed ? redImage.Picture : blueImage.Picture;
  Ban[MoveX][MoveY] = Turn;
  Koma[index].Visible = true;
  GrowKoma(index);
  // The flip animation indexes runs along the move's row and column by the cursor cell.
  CursorX = static_cast<Int16>(MoveX - 1);
  CursorY = static_cast<Int16>(MoveY - 1);
  FlipPieces();

  const Int16 flips = FlipTotal(FlipCount);
  ShowNextSide(Turn);
  if (Turn == SideRed) {
    BlueCount = static_cast<Int16>(BlueCount - flips);
    RedCount = static_cast<Int16>(RedCount + flips + 1);
    PassFlag[SideRed] = 0;
    Turn = SideBlue;
  } else {
    BlueCount = static_cast<Int16>(BlueCount + flips + 1);
    RedCount = static_cast<Int16>(RedCount - flips);
    PassFlag[SideBlue] = 0;
    Turn = SideRed;
  }
  NoMoveShown = 0;
  ShowCounts(false);
  FindMoves();
}

}  // namespace zeri
