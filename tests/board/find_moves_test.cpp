#include "support/game_fixture.h"

namespace zeri::testing {
namespace {

using Moves = std::vector<std::pair<int, int>>;
const std::string PassMessage = "もうおけましぇ～ん！！！";
const std::string GameOverMessage = "げ－むしゅ－りょ－。";

class FindMovesTest : public GameTest {
 protected:
  // PlayFrom, with a stale list left from an earlier listing.
  void Position(const BoardRows& rows, Int16 turn) {
    PlayFrom(form, rows, turn);
    sengen::MoveListX.fill(9);
    sengen::MoveListY.fill(9);
    sengen::MoveCount = 7;
    platform.Messages.clear();
  }
};

TEST_F(FindMovesTest, StartPositionListsEachSideInScanOrder) {
  for (auto [side, expected] : {std::pair{SideRed, Moves{{3, 4}, {4, 3}, {5, 6}, {6, 5}}},
                                std::pair{SideBlue, Moves{{3, 5}, {4, 6}, {5, 3}, {6, 4}}}}) {
    Position(StartPosition, side);
    form.PassFlag[side] = 1;  // found moves clear the side's flag
    const std::string status = form.Label3.Caption;
    form.FindMoves();
    EXPECT_EQ(MoveList(), expected);
    EXPECT_TRUE(ListTailCleared());
    EXPECT_EQ(form.Turn, side);
    EXPECT_EQ(form.PassFlag[side], 0);
    EXPECT_EQ(form.Label3.Caption, status);
    EXPECT_TRUE(platform.Messages.empty());
    EXPECT_EQ(form.GameOver, 0);
  }
}

TEST_F(FindMovesTest, SideWithoutAMovePassesAndTheMessageShowsOnce) {
  struct Case {
    Int16 passer;
    const char* row;  // the passer's piece sits beside a corner piece that cannot be flanked
    const char* status;
    ui::Picture icon;
  };
  for (const Case& c : {Case{SideRed, "BR......", "青zeriるん発生", ui::Picture::BlueGerm},
                        Case{SideBlue, "RB......", "赤zeriるん発生", ui::Picture::RedGerm}}) {
    const Int16 other = OtherSide(c.passer);
    BoardRows rows = EmptyBoard;
    rows[0] = c.row;
    Position(rows, c.passer);
    platform.OnMessage = [&](const ui::MsgBoxRequest&) {
      EXPECT_EQ(form.Label3.Caption, c.status);  // already names the side now to move
      EXPECT_EQ(form.NoMoveShown, 0);            // set once the box is closed
    };
    form.FindMoves();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{PassMessage});
    EXPECT_FALSE(platform.Messages[0].Title.has_value());
    EXPECT_EQ(platform.Messages[0].Icon, ui::MsgBoxIcon::None);
    EXPECT_EQ(MoveList(), (Moves{{3, 1}}));
    EXPECT_TRUE(ListTailCleared());
    EXPECT_EQ(form.Turn, other);
    EXPECT_EQ(form.Image3.Picture, c.icon);
    EXPECT_EQ(form.PassFlag[c.passer], 1);
    EXPECT_EQ(form.PassFlag[other], 0);
    EXPECT_EQ(form.NoMoveShown, 1);
    EXPECT_EQ(form.GameOver, 0);

    const std::string after = StateText(form);
    form.FindMoves();  // the closing listing of a click: the same list, no second message
    EXPECT_EQ(StateText(form), after);
    EXPECT_EQ(platform.Messages.size(), 1u);
  }
}

TEST_F(FindMovesTest, NeitherSideMovingEndsTheGameWithRedToMoveInEitherOrder) {
  for (Int16 first : {SideRed, SideBlue}) {
    Position({"RR......", "........", "........", "........",
              "........", "........", "........", ".......B"},
             first);
    form.FindMoves();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{GameOverMessage});
    EXPECT_EQ(form.Turn, SideRed);
    EXPECT_EQ(form.PassFlag[SideRed] + form.PassFlag[SideBlue], 2);
    EXPECT_EQ(sengen::MoveCount, 0);
    EXPECT_TRUE(ListTailCleared());
    EXPECT_EQ(form.Label3.Caption, "勝菌：赤zeriるん");
    EXPECT_EQ(form.GameOver, 1);
  }
}

TEST_F(FindMovesTest, MoveThatFillsTheBoardEndsTheGameOnceWithoutListing) {
  Position({".BRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR",
            "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB"},
           SideRed);
  form.AnimOff = 1;
  ApplyMove(form, 1, 1);
  form.CheckGameEnd();
  form.FindMoves();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{GameOverMessage});
  EXPECT_EQ(form.Label3.Caption, "両菌相打ち");
  EXPECT_EQ(sengen::MoveCount, 7);  // kept, though every entry is cleared
  sengen::MoveCount = 0;
  EXPECT_TRUE(ListTailCleared());
  EXPECT_EQ(form.Turn, SideBlue);
  EXPECT_EQ(form.PassFlag[SideRed] + form.PassFlag[SideBlue], 0);
  EXPECT_TRUE(BoardConsistent(form));
}

TEST_F(FindMovesTest, AfterTheEndOnlyTheListIsCleared) {
  Position(StartPosition, SideBlue);
  form.GameOver = 1;
  const std::string before = StateText(form);
  form.FindMoves();
  EXPECT_EQ(MoveList(), Moves(7, {0, 0}));  // MoveCount stays, every entry is cleared
  EXPECT_TRUE(ListTailCleared());
  sengen::MoveListX.fill(9);
  sengen::MoveListY.fill(9);
  EXPECT_EQ(StateText(form), before);  // the list aside, nothing changed
  EXPECT_TRUE(platform.Messages.empty());
}

TEST_F(FindMovesTest, PassMessageFollowsEveryMoveThatLeavesTheOpponentWithout) {
  // Blue's pieces sit beside red edge pieces and can never flank; red takes them one at a time.
  Position({"RB......", "........", "RB......", "........",
            "RB......", "........", "RB......", "........"},
           SideRed);
  form.AnimOff = 1;
  for (int y : {1, 3, 5}) {
    ApplyMove(form, 3, y);
    form.FindMoves();
    EXPECT_EQ(CountMessages(PassMessage), (y + 1) / 2);
    EXPECT_EQ(form.Turn, SideRed);
    EXPECT_EQ(form.PassFlag[SideBlue], 1);
  }
  ApplyMove(form, 3, 7);  // no blue piece left: neither side moves, no pass message
  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{PassMessage, PassMessage, PassMessage, GameOverMessage}));
}

}  // namespace
}  // namespace zeri::testing
