#include "window/flow_fixture.h"

namespace zeri::testing {
namespace {

using BoardClick = FlowTest;

TEST_F(BoardClick, PlaysTheMoveInItsOrder) {
  Fastest();  // the pump after the grow is the only one
  Start(PlayerHuman, PlayerHuman);
  PointAt(3, 4);
  std::vector<std::string> seen;
  platform.OnPump = [&] {
    seen = {form.Ban[3][4] == SideRed ? "placed" : "empty", platform.Sounds.empty() ? "silent" : "sound",
              form.Ban[4][4] == SideRed ? "flipped" : "unflipped", form.Label5.Caption};
  };
  form.Image2_Click();
  EXPECT_EQ(seen, (std::vector<std::string>{"placed", "silent", "unflipped", "2"}));
  EXPECT_EQ(platform.PumpCount, 1);
  ASSERT_EQ(platform.Sounds.size(), 1u);
  EXPECT_EQ(platform.Sounds[0].Name, "sd1.dat");
  EXPECT_EQ(ReadBoard(form)[3], "..RRR...");
  EXPECT_EQ(Counters(form), "4/1");
  EXPECT_EQ(form.Label3.Caption, "青zeriるん発生");
  EXPECT_EQ(form.Image3.Picture, form.Image12.Picture);
  EXPECT_EQ(form.Turn, SideBlue);
  EXPECT_EQ(MoveList(), (std::vector<std::pair<int, int>>{{3, 3}, {3, 5}, {5, 3}}));
  EXPECT_TRUE(BoardConsistent(form));
}

TEST_F(BoardClick, ClicksThatPlaceNothingAreSilentAndNeverLeaveTheBoard) {
  Start(PlayerHuman, PlayerHuman);
  const auto before = ReadBoard(form);
  form.Image2_Click();  // the pointer has not moved yet: the frame stands over (1,1)
  Click(4, 4);          // occupied
  Click(1, 1);          // flanks nothing
  EXPECT_EQ(ReadBoard(form), before);
  EXPECT_TRUE(platform.Sounds.empty());
  EXPECT_TRUE(platform.Messages.empty());
  EXPECT_EQ(form.Turn, SideRed);
  EXPECT_EQ(platform.PumpCount, 0);
  // The recorded cell of the last move is occupied: clicking again without a pointer move does nothing.
  Click(3, 4);
  form.Image2_Click();
  EXPECT_EQ(form.RedCount, 4);
  EXPECT_EQ(form.Turn, SideBlue);
}

TEST_F(BoardClick, IgnoredWhileAMoveRuns) {
  Start(PlayerHuman, PlayerHuman);
  PointAt(3, 4);
  platform.OnPump = [&] {
    PointAt(3, 3);  // ignored by tracking too, so the second click would replay the same cell
    form.Image2_Click();
    EXPECT_EQ(form.Busy, 1);
  };
  form.Image2_Click();
  EXPECT_EQ(form.RedCount, 4);
  EXPECT_EQ(form.BlueCount, 1);
  EXPECT_TRUE(BoardConsistent(form));
}

TEST_F(BoardClick, TheMoveThatFillsTheBoardEndsTheGameBeforeTheTurnPasses) {
  Start(PlayerHuman, PlayerStrong);
  SetBoard(form, {"RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR",
                  "RRRRRRRR", "RRRRRRRR", "RRRRRRBB", "RRRRRRB."});
  form.Turn = SideRed;
  Click(8, 8);
  EXPECT_EQ(form.GameOver, 1);
  EXPECT_EQ(form.Turn, SideRed);
  EXPECT_EQ(platform.SleepCount, 0);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"げ－むしゅ－りょ－。"});
  EXPECT_EQ(form.Label3.Caption, "勝菌：赤zeriるん");
  EXPECT_TRUE(form.Image9.Visible && form.Image10.Visible);
}

}  // namespace
}  // namespace zeri::testing
