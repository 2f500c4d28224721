#include <map>

#include "support/game_fixture.h"

namespace zeri::testing {
namespace {

using Counts = std::array<Int16, 9>;

// Counts with entry d at n and every other entry 0.
Counts Only(int d, Int16 n) {
  Counts counts{};
  counts[d] = n;
  return counts;
}

class CountFlipsTest : public GameTest {
 protected:
  Counts Count(Int16 side, int x, int y) {
    form.Turn = side;
    form.MoveX = static_cast<Int16>(x);
    form.MoveY = static_cast<Int16>(y);
    form.CountFlips();
    return form.FlipCount;
  }
};

TEST_F(CountFlipsTest, StartPositionCountsOneDirectionPerMove) {
  SetBoard(form, StartPosition);
  const std::map<std::pair<int, int>, Counts> legal{
      {{3, 4}, Only(5, 1)}, {{4, 3}, Only(7, 1)}, {{6, 5}, Only(4, 1)}, {{5, 6}, Only(2, 1)}};
  for (int x = 1; x <= 8; ++x)
    for (int y = 1; y <= 8; ++y) {
      if (form.Ban[x][y] != CellEmpty) continue;
      const auto found = legal.find({x, y});
      EXPECT_EQ(Count(SideRed, x, y), found == legal.end() ? Counts{} : found->second)
          << x << "," << y;
    }
}

TEST_F(CountFlipsTest, OnlyTheNearestOwnPieceDirectlyBehindARunClosesIt) {
  // The top row; red moves on (1, 1) and counts to the right.
  const std::map<std::string, Int16> cases{
      {".BBBBBBB", 0},  // the run reaches the edge
      {".BBB.R..", 0},  // the run ends at an empty cell, an own piece farther on
      {".RBR....", 0},  // an own piece right next to the move
      {".BRBR...", 1},  // the nearest own piece closes the run
      {".BBBBBBR", 6}}; // the longest run there is
  for (const auto& [row, expected] : cases) {
    BoardRows rows = EmptyBoard;
    rows[0] = row;
    SetBoard(form, rows);
    EXPECT_EQ(Count(SideRed, 1, 1), Only(5, expected)) << row;
  }
}

TEST_F(CountFlipsTest, DiagonalsNearTheCorners) {
  SetBoard(form, {"........", ".B......", "..B.....", "...B....",
                  "....B...", ".....B..", "......B.", ".......R"});
  EXPECT_EQ(Count(SideRed, 1, 1), Only(8, 6));

  SetBoard(form, {".......R", "......B.", ".....B..", "....B...",
                  "...B....", "..B.....", "........", "........"});
  EXPECT_EQ(Count(SideRed, 2, 7), Only(3, 5));
  form.Ban[8][1] = SideBlue;
  EXPECT_EQ(Count(SideRed, 2, 7), Counts{});

  SetBoard(form, {"........", "........", ".....B..", "....B...",
                  "...B....", "..B.....", ".B......", "R......."});
  EXPECT_EQ(Count(SideRed, 7, 2), Only(6, 5));
  form.Ban[1][8] = SideBlue;
  EXPECT_EQ(Count(SideRed, 7, 2), Counts{});
}

TEST_F(CountFlipsTest, RunsIntoTheEdgeFromEveryCellCountNothing) {
  // Every other cell holds an opponent, so each run ends only at the edge.
  for (Int16 side : {SideRed, SideBlue})
    for (int x = 1; x <= 8; ++x)
      for (int y = 1; y <= 8; ++y) {
        BoardRows rows;
        rows.fill(std::string(8, side == SideRed ? 'B' : 'R'));
        rows[y - 1][x - 1] = '.';
        SetBoard(form, rows);
        EXPECT_EQ(Count(side, x, y), Counts{}) << x << "," << y;
      }
}

TEST_F(CountFlipsTest, TheMoveCellItselfIsNotRead) {
  SetBoard(form, StartPosition);
  for (Int16 occupant : {SideRed, SideBlue}) {
    form.Ban[3][4] = occupant;
    EXPECT_EQ(Count(SideRed, 3, 4), Only(5, 1));
  }
}

TEST_F(CountFlipsTest, CountingChangesNothingButTheCounts) {
  form.NewGame();
  for (int x = 1; x <= 8; ++x)
    for (int y = 1; y <= 8; ++y) {
      form.MoveX = static_cast<Int16>(x);
      form.MoveY = static_cast<Int16>(y);
      const std::string before = StateText(form);
      form.CountFlips();
      ASSERT_EQ(StateText(form), before) << x << "," << y;
    }
  EXPECT_EQ(platform.PumpCount, 0);
  EXPECT_TRUE(platform.Messages.empty());
}

TEST_F(CountFlipsTest, OffTheBoardCountsNothingAndStaysInBounds) {
  // Next to the edge a walk inward would close runs. The sanitizer build fails any read outside
  // Ban.
  SetBoard(form, {"BBBBBBBB", "BRRRRRRB", "BRBBBBRB", "BRBRRBRB",
                  "BRBRRBRB", "BRBBBBRB", "BRRRRRRB", "BBBBBBBB"});
  for (int x : {-3, 0, 1, 4, 8, 9, 10, 11})
    for (int y : {-3, 0, 1, 4, 8, 9, 10, 11}) {
      if (x >= 1 && x <= 8 && y >= 1 && y <= 8) continue;
      form.FlipCount.fill(3);
      EXPECT_EQ(Count(SideRed, x, y), (Counts{3, 0, 0, 0, 0, 0, 0, 0, 0})) << x << "," << y;
      form.FlipPieces();  // a move there turns nothing
    }
  EXPECT_TRUE(BorderEmpty(form));
  EXPECT_EQ(platform.PumpCount, 0);
  EXPECT_TRUE(BoardConsistent(form));
}

}  // namespace
}  // namespace zeri::testing
