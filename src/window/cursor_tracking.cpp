// The cursor frame follows the pointer over the grid while a game is on the board and no move runs.
#include <algorithm>
#include <cmath>

#include "window/form1.h"

namespace zeri {

namespace {
constexpr double GridEdgeTwips = 1740;  // 116 pixels
constexpr double CellTwips = 690;       // 46 pixels

// Rounds down, so a position left of or above the grid gives -1 and not 0.
Int16 CellOf(float twips) {
  const double cell = std::floor((static_cast<double>(twips) - GridEdgeTwips) / CellTwips);
  // Clamped before the conversion: a position far off the picture must not overflow.
  return static_cast<Int16>(std::clamp(cell, -1000.0, 1000.0));
}

bool OnGrid(Int16 cell) { return cell >= 0 && cell <= 7; }
}  // namespace

void Form1::Image1_MouseMove(Int16 /*Button*/, Int16 /*Shift*/, float X, float Y) {
  if (Busy != 0 || BoardActive != 1) return;
  CursorX = CellOf(X);
  CursorY = CellOf(Y);
  MoveX = static_cast<Int16>(CursorX + 1);
  MoveY = static_cast<Int16>(CursorY + 1);
  if (OnGrid(CursorX) && OnGrid(CursorY)) {
    Image2.Visible = true;
    Image2.Top = static_cast<Int16>(118 + 46 * CursorY);
    Image2.Left = static_cast<Int16>(117 + 46 * CursorX);
  } else {
    Image2.Visible = false;
  }
}

}  // namespace zeri
