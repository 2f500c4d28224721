#include "support/game_fixture.h"

namespace zeri::testing {
namespace {

using Moves = std::vector<std::pair<int, int>>;
const Moves RedOpenings{{3, 4}, {4, 3}, {5, 6}, {6, 5}};

class NewGameTest : public GameTest {};

TEST_F(NewGameTest, LaysTheStartWithRedToMove) {
  form.NewGame();
  EXPECT_EQ(ReadBoard(form), StartPosition);
  EXPECT_TRUE(BoardConsistent(form));
  for (int k = 0; k < 64; ++k) {
    const ui::Picture expected = k == 27 || k == 36   ? ui::Picture::BlueGerm
                                 : k == 28 || k == 35 ? ui::Picture::RedGerm
                                                      : ui::Picture::Mascot;
    EXPECT_EQ(form.Koma[k].Picture, expected) << k;
  }
  EXPECT_EQ(form.Label3.Caption, "赤zeriるん発生");
  EXPECT_EQ(form.Image3.Picture, ui::Picture::RedGerm);
  EXPECT_EQ(form.Label5.Caption + form.Label6.Caption, "22");
  EXPECT_EQ(form.Turn, SideRed);
  EXPECT_EQ(MoveList(), RedOpenings);
  EXPECT_EQ(form.BoardActive, 1);
  // The first game shows the cursor frame over the top-left cell until the mouse moves.
  EXPECT_TRUE(form.Image2.Visible);
  EXPECT_EQ(form.Image2.Left, 117);
  EXPECT_EQ(form.Image2.Top, 118);
  EXPECT_TRUE(platform.Messages.empty());
  EXPECT_EQ(platform.PumpCount, 0);
}

TEST_F(NewGameTest, SecondCallRightAfterTheFirstChangesNothing) {
  form.NewGame();
  const std::string once = StateText(form);
  form.NewGame();
  EXPECT_EQ(StateText(form), once);
}

TEST_F(NewGameTest, FollowsAFinishedGameWithoutAnotherMessage) {
  const BoardRows neitherMoves{"RR......", "........", "........", "........",
                               "........", "........", "........", ".......B"};
  const BoardRows full{"RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR",
                       "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB"};
  for (const BoardRows& finished : {neitherMoves, full}) {
    PlayFrom(form, finished, SideRed);
    form.FindMoves();
    ASSERT_EQ(form.GameOver, 1);
    form.NoMoveShown = 1;  // a pass message shown late in the game
    form.Image9.Visible = form.Image10.Visible = true;
    const std::size_t shown = platform.Messages.size();

    // Left for the next game: every cell emptied, its picture hidden but still holding its piece.
    for (int c = 1; c <= 8; ++c)
      for (int r = 1; r <= 8; ++r) form.Ban[c][r] = CellEmpty;
    for (ui::Image& cell : form.Koma) cell.Visible = false;
    form.NewGame();
    EXPECT_EQ(platform.Messages.size(), shown);
    EXPECT_EQ(MoveList(), RedOpenings);
    EXPECT_EQ(form.GameOver, 0);
    EXPECT_EQ(form.PassFlag[SideRed] + form.PassFlag[SideBlue], 0);
    EXPECT_EQ(form.NoMoveShown, 1);
    EXPECT_FALSE(form.Image9.Visible || form.Image10.Visible);
    EXPECT_TRUE(BoardConsistent(form));
    for (int k : {0, 9, 63}) EXPECT_EQ(form.Koma[k].Picture, ui::Picture::Mascot);
  }
}

TEST_F(NewGameTest, GoStonesInForceGiveBlackForRedAndWhiteForBlue) {
  form.redImage.Picture = form.Image4.Picture;
  form.blueImage.Picture = form.Image5.Picture;
  form.NewGame();
  for (auto [c, r] : {std::pair{5, 4}, {4, 5}})
    EXPECT_EQ(form.Koma[KomaIndex(c, r)].Picture, ui::Picture::BlackStone);
  for (auto [c, r] : {std::pair{4, 4}, {5, 5}})
    EXPECT_EQ(form.Koma[KomaIndex(c, r)].Picture, ui::Picture::WhiteStone);
}

TEST_F(NewGameTest, CursorFrameShowsWhereTheLastGameLeftIt) {
  form.Image2.Left = 117 + 46 * 4;
  form.Image2.Top = 118 + 46 * 2;
  form.NewGame();
  EXPECT_TRUE(form.Image2.Visible);
  EXPECT_EQ(form.Image2.Left, 117 + 46 * 4);
  EXPECT_EQ(form.Image2.Top, 118 + 46 * 2);
}

}  // namespace
}  // namespace zeri::testing
