#include "computer/computer_support.h"

namespace zeri::testing {
namespace {

using Moves = std::vector<std::pair<int, int>>;

const BoardRows StartPosition{"........", "........", "........", "...BR...",
                              "...RB...", "........", "........", "........"};
const BoardRows AfterOpening{"........", "........", "........", "..RRR...",
                             "...RB...", "........", "........", "........"};

class ComputerOpeningTest : public GameTest {
 protected:
  // A game just started, as the start command leaves it before the opening.
  void Start(Int16 redPlayer) {
    sengen::RedPlayer = redPlayer;
    form.NewGame();
  }
};

TEST_F(ComputerOpeningTest, PersonPlayingRedGetsNoMove) {
  Start(PlayerHuman);
  form.ComputerOpening();
  EXPECT_EQ(ReadBoard(form), StartPosition);
  EXPECT_EQ(form.Turn, SideRed);
  EXPECT_EQ(form.Label5.Caption, "2");
  EXPECT_EQ(form.Label6.Caption, "2");
  EXPECT_EQ(form.Label3.Caption, "赤zeriるん発生");
  EXPECT_EQ(form.Busy, 0);
  EXPECT_TRUE(platform.Sounds.empty());
  EXPECT_EQ(platform.PumpCount, 0);
}

TEST_F(ComputerOpeningTest, EveryStrengthPlaysTheSameFixedMove) {
  for (Int16 level : {PlayerWeak, PlayerMedium, PlayerStrong}) {
    SetBoard(form, {"........", "........", "........", "........",
                    "........", "........", "........", "........"});
    platform.Sounds.clear();
    platform.AdvanceClock(1000);  // the last game's sound is over
    Start(level);
    form.AnimOff = 1;
    form.CursorX = 6;
    form.CursorY = 1;
    form.FlipCount = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    form.NoMoveShown = 1;
    platform.OnPump = [&] { ADD_FAILURE() << "pumped at the fastest speed"; };
    form.ComputerOpening();

    SCOPED_TRACE(level);
    EXPECT_EQ(ReadBoard(form), AfterOpening);
    EXPECT_TRUE(BoardConsistent(form));
    EXPECT_EQ(form.RedCount, 4);
    EXPECT_EQ(form.BlueCount, 1);
    EXPECT_EQ(form.Label5.Caption, "4");
    EXPECT_EQ(form.Label6.Caption, "1");
    EXPECT_EQ(form.Label3.Caption, "青zeriるん発生");
    EXPECT_EQ(form.Image3.Picture, ui::Picture::BlueGerm);
    EXPECT_EQ(form.Turn, SideBlue);
    EXPECT_EQ(form.Busy, 0);
    EXPECT_EQ(form.GameOver, 0);
    // Left alone, unlike an ordinary move: the turned cell stays the move, nothing is recounted,
    // nothing is listed, and the cursor keeps its cell.
    EXPECT_EQ(form.MoveX, 4);
    EXPECT_EQ(form.MoveY, 4);
    EXPECT_EQ(form.CursorX, 6);
    EXPECT_EQ(form.CursorY, 1);
    EXPECT_EQ(form.FlipCount, (std::array<Int16, 9>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(form.NoMoveShown, 1);
    EXPECT_EQ(MoveList(), (Moves{{3, 4}, {4, 3}, {5, 6}, {6, 5}}));
    EXPECT_EQ(form.PassFlag[SideRed], 0);
    EXPECT_EQ(form.PassFlag[SideBlue], 0);
    ASSERT_EQ(platform.Sounds.size(), 1u);
    EXPECT_EQ(platform.Sounds[0].Name, "sd1.dat");
    EXPECT_EQ(platform.Sounds[0].Flags, 19u);
    EXPECT_EQ(form.Koma[26].Width, 32);
    EXPECT_EQ(form.Koma[27].Width, 32);
    platform.OnPump = nullptr;
  }
}

// Each cell enters the board only after its animation; the sound comes first of all.
TEST_F(ComputerOpeningTest, AnimationsRunBeforeTheirCellsAreWritten) {
  Start(PlayerMedium);
  int growingPlaced = 0, turning = 0;
  platform.OnPump = [&] {
    EXPECT_EQ(platform.Sounds.size(), 1u);
    EXPECT_EQ(form.Busy, 1);
    EXPECT_EQ(form.Ban[4][4], SideBlue);
    EXPECT_EQ(form.Label6.Caption, "2");
    EXPECT_TRUE(form.Koma[26].Visible);
    if (form.Ban[3][4] == CellEmpty) {
      ++growingPlaced;
      EXPECT_EQ(form.Koma[27].Width, 32);
    } else {
      ++turning;
      EXPECT_EQ(form.Koma[26].Width, 32);
    }
  };
  form.ComputerOpening();
  EXPECT_GT(growingPlaced, 0);
  EXPECT_GT(turning, 0);
  EXPECT_EQ(ReadBoard(form), AfterOpening);
  EXPECT_EQ(form.Busy, 0);
}

// A piece set chosen during the opening shows on the next picture set: that of (4,4), set after
// its shrink, whether the change came while (3,4) grew or while (4,4) shrank.
TEST_F(ComputerOpeningTest, PieceSetChangedMidwayShowsOnTheNextPicture) {
  for (bool duringShrink : {false, true}) {
    SetBoard(form, {"........", "........", "........", "........",
                    "........", "........", "........", "........"});
    form.redImage.Picture = ui::Picture::RedGerm;
    Start(PlayerWeak);
    platform.OnPump = [&] {
      if (!duringShrink || form.Koma[27].Width < 32) form.redImage.Picture = form.Image4.Picture;
    };
    form.ComputerOpening();
    SCOPED_TRACE(duringShrink);
    EXPECT_EQ(form.Koma[26].Picture, ui::Picture::RedGerm);
    EXPECT_EQ(form.Koma[27].Picture, ui::Picture::BlackStone);
    EXPECT_TRUE(BoardConsistent(form));
  }
}

TEST_F(ComputerOpeningTest, GoStonesFromTheStartShowBlack) {
  form.redImage.Picture = form.Image4.Picture;
  form.blueImage.Picture = form.Image5.Picture;
  Start(PlayerStrong);
  form.AnimOff = 1;
  form.ComputerOpening();
  EXPECT_EQ(form.Koma[26].Picture, ui::Picture::BlackStone);
  EXPECT_EQ(form.Koma[27].Picture, ui::Picture::BlackStone);
}

// The return to the title abandons the opening at the pump: nothing of it reaches the board.
TEST_F(ComputerOpeningTest, AbandonedDuringTheFirstAnimationWritesNothing) {
  Start(PlayerWeak);
  platform.OnPump = [&] { form.MoveAbandonedFlag = 1; };
  EXPECT_THROW(form.ComputerOpening(), MoveAbandoned);
  EXPECT_EQ(ReadBoard(form), StartPosition);
  EXPECT_EQ(form.RedCount, 2);
  EXPECT_EQ(form.Label3.Caption, "赤zeriるん発生");
}

}  // namespace
}  // namespace zeri::testing
