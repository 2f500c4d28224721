#include "computer/computer_support.h"

namespace zeri::testing {
namespace {

using Cell = std::pair<int, int>;
using Moves = std::vector<Cell>;

class ComputerMoveTest : public GameTest, public ::testing::WithParamInterface<int> {
 protected:
  int Level() const { return GetParam(); }
  Cell Played() const { return {form.MoveX, form.MoveY}; }
};

// ---- The choice ----

// Blue's replies to red's (3,4) each turn one piece on a weight-3 cell: equal keys at every level.
TEST_P(ComputerMoveTest, EqualKeysGoToTheLastCandidate) {
  SetPosition(form, {"........", "........", "........", "..RRR...",
                     "...RB...", "........", "........", "........"}, SideBlue);
  ASSERT_EQ(MoveList(), (Moves{{3, 3}, {3, 5}, {5, 3}}));
  form.Score.fill(7);
  PlayComputer(form, Level());
  EXPECT_EQ(Played(), (Cell{5, 3}));
  const Int16 keys[] = {0, 1, 30, 301};
  EXPECT_EQ(form.BestScore, keys[Level()]);
  for (int k = 1; k <= 64; ++k) EXPECT_EQ(form.Score[k], k <= 3 ? 1 : 0) << k;
  EXPECT_EQ(ReadBoard(form), (BoardRows{"........", "........", "....B...", "..RRB...",
                                        "...RB...", "........", "........", "........"}));

  SetPosition(form, {"........", "........", "........", "...BR...",
                     "...RR...", "....R...", "........", "........"}, SideBlue);
  ASSERT_EQ(MoveList(), (Moves{{4, 6}, {6, 4}, {6, 6}}));
  PlayComputer(form, Level());
  EXPECT_EQ(Played(), (Cell{6, 6}));
  EXPECT_TRUE(BoardConsistent(form));
}

// Positions with blue to move, and the cell each level plays, as laid and in the mirror.
struct ChoiceCase {
  const char* what;
  BoardRows rows;
  std::array<std::array<Cell, 2>, 4> played;  // [level][mirrored]
};
const ChoiceCase ChoiceCases[] = {
    {"corner turning 1 (keys 1, 100, 1001) against edge turning 5 (5, 200, 405)",
     {".RB.....", "........", ".BRRRRR.", "........",
      "........", "........", "........", "........"},
     {{{}, {{{8, 3}, {1, 3}}}, {{{8, 3}, {1, 3}}}, {{{1, 1}, {8, 1}}}}}},
    {"corner turning 2 against edge turning 5: level 2 ties at 200 and takes the later",
     {".RRB....", "........", ".BRRRRR.", "........",
      "........", "........", "........", "........"},
     {{{}, {{{8, 3}, {1, 3}}}, {{{8, 3}, {8, 1}}}, {{{1, 1}, {8, 1}}}}}},
    {"corners turning 3 and 1 and an edge turning 5: the corner turning more, wherever listed",
     {".RRRB...", "........", "........", "........",
      ".BRRRRR.", "........", "........", ".....BR."},
     {{{}, {{{8, 5}, {1, 5}}}, {{{1, 1}, {8, 1}}}, {{{1, 1}, {8, 1}}}}}},
};

TEST_P(ComputerMoveTest, EachStrengthRanksByItsKey) {
  for (const ChoiceCase& c : ChoiceCases) {
    for (int mirrored : {0, 1}) {
      SetPosition(form, mirrored ? Mirror(c.rows) : c.rows, SideBlue);
      PlayComputer(form, Level());
      EXPECT_EQ(Played(), c.played[Level()][mirrored]) << c.what << (mirrored ? ", mirrored" : "");
      EXPECT_TRUE(BoardConsistent(form));
    }
  }
}

// A misplaced call with nothing listed must not place a piece anywhere.
TEST_P(ComputerMoveTest, EmptyMoveListPlaysNothing) {
  SetBoard(form, {"........", "........", "........", "...BR...",
                  "...RB...", "........", "........", "........"});
  form.BoardActive = 1;
  form.Turn = SideBlue;
  sengen::MoveCount = 0;
  PlayComputer(form, Level());
  EXPECT_EQ(ReadBoard(form), (BoardRows{"........", "........", "........", "...BR...",
                                        "...RB...", "........", "........", "........"}));
  EXPECT_EQ(form.Turn, SideBlue);
  EXPECT_TRUE(BoardConsistent(form));
  EXPECT_TRUE(platform.Messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Levels, ComputerMoveTest, ::testing::Values(1, 2, 3));

// ---- Playing the move ----

class ComputerPlayTest : public GameTest {};

TEST_F(ComputerPlayTest, CountsGainFlipsPlusOneAndLoseFlips) {
  // Blue turns 5 along row 3; the stale cursor must not decide which pictures turn.
  SetPosition(form, {".RB.....", "........", ".BRRRRR.", "........",
                     "........", "........", "........", "........"}, SideBlue);
  form.CursorX = 0;
  form.CursorY = 0;
  form.ComputerMoveLevel1();
  EXPECT_EQ(form.RedCount, 6 - 5);
  EXPECT_EQ(form.BlueCount, 2 + 5 + 1);
  EXPECT_EQ(form.Label5.Caption, "1");
  EXPECT_EQ(form.Label6.Caption, "8");
  EXPECT_EQ(form.CursorX, 7);
  EXPECT_EQ(form.CursorY, 2);
  EXPECT_EQ(form.Turn, SideRed);
  EXPECT_EQ(form.Label3.Caption, "赤zeriるん発生");
  EXPECT_EQ(form.Image3.Picture, ui::Picture::RedGerm);
  EXPECT_TRUE(BoardConsistent(form));

  // Red turns 4 down column 2 and 1 along row 1: 5 in all.
  SetPosition(form, {"..BR....", ".B......", ".B......", ".B......",
                     ".B......", ".R......", "......R.", ".......B"}, SideRed);
  ASSERT_EQ(MoveList(), (Moves{{2, 1}}));
  form.PassFlag[SideRed] = 1;
  form.ComputerMoveLevel3();
  EXPECT_EQ(ReadBoard(form)[0], ".RRR....");
  EXPECT_EQ(form.RedCount, 3 + 5 + 1);
  EXPECT_EQ(form.BlueCount, 6 - 5);
  EXPECT_EQ(form.Label5.Caption, "9");
  EXPECT_EQ(form.Label6.Caption, "1");
  EXPECT_EQ(form.PassFlag[SideRed], 0);
  EXPECT_TRUE(BoardConsistent(form));
}

// While the new piece grows the board already holds it, but counters and turn are not yet updated.
TEST_F(ComputerPlayTest, PieceIsOnTheBoardBeforeTheCountersChange) {
  SetPosition(form, {"........", "........", "........", "..RRR...",
                     "...RB...", "........", "........", "........"}, SideBlue);
  form.AnimOff = 0;
  int pumps = 0;
  platform.OnPump = [&] {
    if (pumps++ > 0) return;
    EXPECT_EQ(form.Ban[5][3], SideBlue);
    EXPECT_TRUE(form.Koma[KomaIndex(5, 3)].Visible);
    EXPECT_EQ(form.Koma[KomaIndex(5, 3)].Picture, form.blueImage.Picture);
    EXPECT_EQ(form.Turn, SideBlue);
    EXPECT_EQ(form.BlueCount, 1);
    EXPECT_EQ(form.RedCount, 4);
  };
  form.ComputerMoveLevel2();
  EXPECT_GT(pumps, 0);
  EXPECT_EQ(form.Koma[KomaIndex(5, 3)].Width, 32);
  EXPECT_EQ(form.Label6.Caption, "3");
  EXPECT_TRUE(BoardConsistent(form));
}

// After blue's only move red has none: the turn comes back to blue with the pass message, once.
TEST_F(ComputerPlayTest, PassHandsTheTurnBack) {
  SetPosition(form, {"........", "....R...", "...R....", "..R.B...",
                     "........", ".R......", "........", "........"}, SideBlue);
  ASSERT_EQ(MoveList(), (Moves{{3, 2}}));
  form.NoMoveShown = 1;  // left from an earlier pass; this move makes the message due again
  std::string statusAtMessage;
  platform.OnMessage = [&](const ui::MsgBoxRequest&) { statusAtMessage = form.Label3.Caption; };
  form.ComputerMoveLevel2();
  EXPECT_EQ(form.Turn, SideBlue);
  EXPECT_EQ(form.PassFlag[SideRed], 1);
  EXPECT_EQ(form.Label3.Caption, "青zeriるん発生");
  EXPECT_EQ(form.Image3.Picture, ui::Picture::BlueGerm);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"もうおけましぇ～ん！！！"});
  EXPECT_EQ(statusAtMessage, "青zeriるん発生");
  EXPECT_EQ(form.GameOver, 0);
  EXPECT_EQ(MoveList(), (Moves{{2, 5}, {6, 1}}));
  EXPECT_TRUE(BoardConsistent(form));
}

// A move that fills the board or leaves nobody a move ends the game before it returns.
TEST_F(ComputerPlayTest, GameEndingMoveShowsTheResult) {
  struct Case {
    BoardRows rows;
    const char* red;
    const char* blue;
  };
  const Case cases[] = {
      {{".RBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB",
        "BBBBBBBB"}, "0", "64"},
      {{"BR......", "........", "........", "........", "........", "........", "........",
        "........"}, "0", "3"},
  };
  for (const Case& c : cases) {
    platform.Messages.clear();
    form.GameOver = 0;
    form.PassFlag = {};
    SetPosition(form, c.rows, SideBlue);
    ASSERT_EQ(MoveList().size(), 1u);
    std::string countsAtMessage;
    platform.OnMessage = [&](const ui::MsgBoxRequest&) {
      countsAtMessage = form.Label5.Caption + "/" + form.Label6.Caption;
    };
    form.ComputerMoveLevel3();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"げ－むしゅ－りょ－。"});
    EXPECT_EQ(countsAtMessage, std::string(c.red) + "/" + c.blue);
    EXPECT_EQ(form.GameOver, 1);
    EXPECT_EQ(form.Label3.Caption, "勝菌：青zeriるん");
    EXPECT_EQ(form.Image3.Picture, ui::Picture::BlueGerm);
    EXPECT_TRUE(BoardConsistent(form));
  }
}

}  // namespace
}  // namespace zeri::testing
