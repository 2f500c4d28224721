#include <random>

#include "support/game_fixture.h"

namespace zeri::testing {
namespace {

// The board after side ('R' or 'B') plays (x, y), worked out on the text rows alone.
BoardRows Played(BoardRows rows, char side, int x, int y) {
  const auto onBoard = [](int c, int r) { return c >= 1 && c <= 8 && r >= 1 && r <= 8; };
  const auto at = [&](int c, int r) { return onBoard(c, r) ? rows[r - 1][c - 1] : '.'; };
  rows[y - 1][x - 1] = side;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) {
      int far = 1;  // the first cell past the opponent's run
      while ((dx != 0 || dy != 0) && at(x + far * dx, y + far * dy) == (side == 'R' ? 'B' : 'R'))
        ++far;
      if (far == 1 || at(x + far * dx, y + far * dy) != side) continue;
      for (int k = 1; k < far; ++k) rows[y + k * dy - 1][x + k * dx - 1] = side;
    }
  return rows;
}

class MovePropertyTest : public GameTest {
 protected:
  // Every empty cell on which a piece of Turn would capture, in scan order.
  std::vector<std::pair<int, int>> CapturingCells() {
    std::vector<std::pair<int, int>> cells;
    for (int x = 1; x <= 8; ++x)
      for (int y = 1; y <= 8; ++y) {
        if (form.Ban[x][y] != CellEmpty) continue;
        form.MoveX = static_cast<Int16>(x);
        form.MoveY = static_cast<Int16>(y);
        form.CountFlips();
        int flips = 0;
        for (int d = 1; d <= 8; ++d) flips += form.FlipCount[d];
        if (flips >= 1) cells.emplace_back(x, y);
      }
    return cells;
  }
};

TEST_F(MovePropertyTest, RandomGamesListExactlyTheCapturingCellsAndStayConsistent) {
  std::mt19937 random(1234);
  form.AnimOff = 1;
  int positions = 0;
  for (int game = 0; game < 200; ++game) {
    SetBoard(form, EmptyBoard);
    form.NewGame();
    while (form.GameOver == 0) {
      const auto moves = MoveList();
      ASSERT_FALSE(moves.empty());
      ASSERT_EQ(moves, CapturingCells()) << "game " << game << " position " << positions;
      ASSERT_TRUE(ListTailCleared());
      const auto [x, y] = moves[random() % moves.size()];
      const BoardRows expected = Played(ReadBoard(form), form.Turn == SideRed ? 'R' : 'B', x, y);
      ApplyMove(form, x, y);
      ASSERT_EQ(ReadBoard(form), expected);
      ASSERT_TRUE(BoardConsistent(form)) << "game " << game << " after " << x << "," << y;
      ++positions;
    }
    const bool bothPassed = form.PassFlag[SideRed] == 1 && form.PassFlag[SideBlue] == 1;
    EXPECT_TRUE(bothPassed || form.RedCount + form.BlueCount == 64);
  }
  EXPECT_GT(positions, 200 * 40);
}

}  // namespace
}  // namespace zeri::testing
