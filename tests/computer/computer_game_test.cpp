// Whole games of the computer against itself, from the start position to the end.
#include <functional>

#include "computer/computer_support.h"

namespace zeri::testing {
namespace {

using Cell = std::pair<int, int>;

bool IsCorner(const Cell& cell) {
  return (cell.first == 1 || cell.first == 8) && (cell.second == 1 || cell.second == 8);
}

// The three cells next to each corner, the least liked.
bool WeighsOne(const Cell& cell) {
  auto nearCorner = [](int v) { return v <= 2 || v >= 7; };
  return nearCorner(cell.first) && nearCorner(cell.second) && !IsCorner(cell);
}

struct MoveRecord {
  int Level;
  std::vector<Cell> Candidates;
  Cell Played;
};

// Plays a game on a fresh window; `levelOf` gives the strength for the n-th move of a side.
std::vector<MoveRecord> PlayGame(const std::function<int(Int16 side, int n)>& levelOf) {
  ui::HeadlessPlatform platform;
  Form1 form(platform);
  form.Form_Load();
  form.AnimOff = 1;
  form.NewGame();
  std::vector<MoveRecord> turns;
  while (form.GameOver == 0) {
    const int level = levelOf(form.Turn, static_cast<int>(turns.size()));
    MoveRecord turn{level, MoveList(), {}};
    PlayComputer(form, level);
    turn.Played = {form.MoveX, form.MoveY};
    turns.push_back(turn);
    EXPECT_TRUE(BoardConsistent(form)) << "after move " << turns.size();
    if (turns.size() > 60) break;
  }
  EXPECT_EQ(form.GameOver, 1);
  return turns;
}

TEST(ComputerGameTest, SameSequenceGivesTheSameGame) {
  auto alternating = [](Int16, int n) { return 1 + n % 3; };
  const auto first = PlayGame(alternating);
  const auto second = PlayGame(alternating);
  ASSERT_GT(first.size(), 20u);
  ASSERT_EQ(first.size(), second.size());
  for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i].Played, second[i].Played) << i;
}

// Level 3 takes a corner whenever one is legal, and a corner's neighbour only when nothing else is.
TEST(ComputerGameTest, StrongTakesCornersAndAvoidsTheirNeighbours) {
  int cornersSeen = 0;
  for (int red = 1; red <= 3; ++red) {
    for (int blue = 1; blue <= 3; ++blue) {
      const auto turns = PlayGame([=](Int16 side, int) { return side == SideRed ? red : blue; });
      for (const MoveRecord& turn : turns) {
        EXPECT_NE(std::find(turn.Candidates.begin(), turn.Candidates.end(), turn.Played),
                  turn.Candidates.end());
        if (turn.Level != 3) continue;
        const auto& all = turn.Candidates;
        const bool cornerLegal = std::any_of(all.begin(), all.end(), IsCorner);
        const bool onlyNeighbours = std::all_of(all.begin(), all.end(), WeighsOne);
        EXPECT_EQ(IsCorner(turn.Played), cornerLegal);
        EXPECT_EQ(WeighsOne(turn.Played), onlyNeighbours);
        cornersSeen += cornerLegal;
      }
    }
  }
  EXPECT_GT(cornersSeen, 0);  // the games did reach the case under test
}

}  // namespace
}  // namespace zeri::testing
