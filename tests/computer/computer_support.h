// Helpers for driving the computer opponent directly, as the board click does.
#pragma once

#include <algorithm>

#include "support/game_fixture.h"

namespace zeri::testing {

// The computer's move at strength 1, 2 or 3.
inline void PlayComputer(Form1& form, int level) {
  if (level == 1) form.ComputerMoveLevel1();
  if (level == 2) form.ComputerMoveLevel2();
  if (level == 3) form.ComputerMoveLevel3();
}

// Lays a running game's position with `side` to move and lists its moves, without animation.
inline void SetPosition(Form1& form, const BoardRows& rows, Int16 side) {
  SetBoard(form, rows);
  form.BoardActive = 1;
  form.AnimOff = 1;
  form.Turn = side;
  form.FindMoves();
}

// The board seen in a mirror: columns reversed, so candidates in different columns swap list order
// while every cell keeps its weight.
inline BoardRows Mirror(BoardRows rows) {
  for (auto& row : rows) std::reverse(row.begin(), row.end());
  return rows;
}

}  // namespace zeri::testing
