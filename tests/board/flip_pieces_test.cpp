#include <algorithm>

#include "support/game_fixture.h"

namespace zeri::testing {
namespace {

// Notes in order, as seen from the pump, every cell written in Ban and every cell picture that
// shrinks, takes another picture or grows; a step repeated at successive pumps is noted once.
struct TurnLog {
  const Form1& form;
  decltype(Form1::Ban) ban;  // as last seen
  decltype(Form1::Koma) koma;
  std::vector<std::string> events;

  void Note(const std::string& event) {
    if (events.empty() || events.back() != event) events.push_back(event);
  }
  void Look() {
    for (int c = 1; c <= 8; ++c)
      for (int r = 1; r <= 8; ++r)
        if (form.Ban[c][r] != ban[c][r])
          Note("Ban(" + std::to_string(c) + "," + std::to_string(r) + ")");
    for (int k = 0; k < 64; ++k) {
      const std::string cell = "Koma" + std::to_string(k);
      if (form.Koma[k].Picture != koma[k].Picture)
        Note(cell + " " + std::string(ui::PictureName(form.Koma[k].Picture)));
      if (form.Koma[k].Width != koma[k].Width)
        Note(cell + (form.Koma[k].Width < koma[k].Width ? " shrinks" : " grows"));
    }
    ban = form.Ban;
    koma = form.Koma;
  }
};

// What the log shows of pieces turned to red, one after the other: written, shrunk, repainted,
// grown, each on its own cell picture.
std::vector<std::string> TurnedRed(const std::vector<std::pair<int, int>>& cells) {
  std::vector<std::string> events;
  for (auto [c, r] : cells) {
    const std::string cell = "Koma" + std::to_string(KomaIndex(c, r));
    events.insert(events.end(), {"Ban(" + std::to_string(c) + "," + std::to_string(r) + ")",
                                 cell + " shrinks", cell + " red-germ", cell + " grows"});
  }
  return events;
}

// The game's fields besides the board and the cell pictures: what the turning must leave alone.
std::string FieldsBesideTheBoard(const Form1& form) {
  const std::string state = StateText(form);
  std::size_t at = 0;
  for (int line = 0; line < 8 + 64; ++line) at = state.find('\n', at) + 1;
  return state.substr(at);
}

// At the standard speed, where a shrink ends and the next grow starts at 0 x 0 and a grow's last
// step is already 32 x 32, so the log shows each piece as four steps.
class FlipPiecesTest : public GameTest {
 protected:
  // Lays the position, places the mover's piece and turns the captures, watching every pump.
  // Without a hook of its own, every field beside the board must stay as it was at every pump.
  TurnLog Turn(const BoardRows& rows, Int16 side, int x, int y, std::function<void()> during = {}) {
    SetBoard(form, rows);  // the counts follow only after the turning, so they are not checked
    form.Turn = side;
    PlacePiece(form, x, y);
    const std::string fields = FieldsBesideTheBoard(form);
    const auto flips = form.FlipCount;
    TurnLog log{form, form.Ban, form.Koma, {}};
    platform.PumpCount = 0;
    platform.OnPump = [&] {
      log.Look();
      if (during) return during();
      EXPECT_EQ(FieldsBesideTheBoard(form), fields);
    };
    form.FlipPieces();
    platform.OnPump = nullptr;
    log.Look();
    if (!during) {
      EXPECT_EQ(FieldsBesideTheBoard(form), fields);
    }
    EXPECT_EQ(form.FlipCount, flips);
    return log;
  }

  // Every shown cell picture is at rest, 32 x 32.
  bool AllAtFullSize() const {
    return std::all_of(form.Koma.begin(), form.Koma.end(), [](const ui::Image& cell) {
      return !cell.Visible || (cell.Width == 32 && cell.Height == 32);
    });
  }
};

// Red plays (4, 6): two pieces up to (4, 3), one to the right up to (6, 6).
const BoardRows UpAndRight{"........", "........", "...R....", "...B....",
                           "...B....", "....BR..", "........", "........"};

TEST_F(FlipPiecesTest, TurnsTheRunUpBeforeTheRunRightNearestFirst) {
  const TurnLog log = Turn(UpAndRight, SideRed, 4, 6);
  EXPECT_EQ(log.events, TurnedRed({{4, 5}, {4, 4}, {5, 6}}));
  EXPECT_EQ(platform.PumpCount, 3 * (128 + 64));
  EXPECT_TRUE(AllAtFullSize());
  EXPECT_TRUE(BoardConsistent(form));
}

TEST_F(FlipPiecesTest, CapturesInAllEightDirectionsTurnUpLeftFirstDownRightLast) {
  const TurnLog log = Turn({"R..R..R.", ".B.B.B..", "..BBB...", "RBB.BBBR",
                            "..BBB...", ".B.B.B..", "R..B..R.", "...R...."},
                           SideRed, 4, 4);
  // Nearest first: up-left, up, up-right, left, right, down-left, down, down-right.
  const auto expected = TurnedRed({{3, 3}, {2, 2}, {4, 3}, {4, 2}, {5, 3}, {6, 2}, {3, 4}, {2, 4},
                                   {5, 4}, {6, 4}, {7, 4}, {3, 5}, {2, 6}, {4, 5}, {4, 6}, {4, 7},
                                   {5, 5}, {6, 6}});
  EXPECT_EQ(log.events, expected);  // the placed piece on (4, 4) is not touched
  EXPECT_EQ(ReadBoard(form), (BoardRows{"R..R..R.", ".R.R.R..", "..RRR...", "RRRRRRRR",
                                        "..RRR...", ".R.R.R..", "R..R..R.", "...R...."}));
  EXPECT_TRUE(AllAtFullSize());
  EXPECT_TRUE(BoardConsistent(form));
}

TEST_F(FlipPiecesTest, RunDownFromTheTopRightCornerUsesTheCursorColumn) {
  const TurnLog log = Turn({"........", ".......B", ".......B", ".......B",
                            ".......R", "........", "........", "........"},
                           SideRed, 8, 1);
  EXPECT_EQ(form.CursorX, 7);
  EXPECT_EQ(log.events, TurnedRed({{8, 2}, {8, 3}, {8, 4}}));  // Koma15, 23, 31
}

TEST_F(FlipPiecesTest, NothingCapturedReturnsAtOnce) {
  const TurnLog log = Turn(UpAndRight, SideBlue, 1, 1);
  EXPECT_TRUE(log.events.empty());
  EXPECT_EQ(platform.PumpCount, 0);
}

TEST_F(FlipPiecesTest, FastestChosenWhileAPieceShrinksStillEndsAtFullSize) {
  Turn(UpAndRight, SideRed, 4, 6, [&] {
    if (platform.PumpCount == 20) form.AnimOff = 1;
  });
  EXPECT_EQ(platform.PumpCount, 128);  // the first shrink ran to its end, nothing animated after
  EXPECT_EQ(ReadBoard(form)[3], "...R....");
  EXPECT_TRUE(AllAtFullSize());
  EXPECT_TRUE(BoardConsistent(form));
}

TEST_F(FlipPiecesTest, PieceSetChosenMidwayShowsOnThePiecesTurnedAfterwards) {
  form.AnimStep = 4;
  Turn(UpAndRight, SideRed, 4, 6, [&] {
    if (form.Koma[35].Picture == ui::Picture::RedGerm) {  // the first piece is growing back
      form.redImage.Picture = form.Image4.Picture;
      form.blueImage.Picture = form.Image5.Picture;
    }
  });
  EXPECT_EQ(form.Koma[35].Picture, ui::Picture::RedGerm);
  EXPECT_EQ(form.Koma[27].Picture, ui::Picture::BlackStone);
  EXPECT_EQ(form.Koma[44].Picture, ui::Picture::BlackStone);
  EXPECT_EQ(form.Koma[KomaIndex(4, 6)].Picture, ui::Picture::RedGerm);
  EXPECT_TRUE(BoardConsistent(form));
}

}  // namespace
}  // namespace zeri::testing
