#include <set>
#include <sstream>

#include "support/game_fixture.h"

namespace zeri::testing {
namespace {

// Watches the board from the pump: notes in order every cell written in Ban and every cell
// picture given another picture, and collects the cell pictures that changed size.
class TurnLog {
 public:
  explicit TurnLog(const Form1& form) : form_(form), ban_(form.Ban), koma_(form.Koma) {}

  void Look() {
    for (int c = 1; c <= 8; ++c)
      for (int r = 1; r <= 8; ++r)
        if (form_.Ban[c][r] != ban_[c][r]) Note("Ban(" + std::to_string(c) + "," + std::to_string(r) + ")");
    for (int k = 0; k < 64; ++k) {
      if (form_.Koma[k].Picture != koma_[k].Picture) Note("Koma(" + std::to_string(k) + ")");
      if (form_.Koma[k].Width != koma_[k].Width) Resized.insert(k);
    }
    ban_ = form_.Ban;
    koma_ = form_.Koma;
  }

  std::vector<std::string> Events;
  std::set<int> Resized;

 private:
  void Note(const std::string& event) { Events.push_back(event); }

  const Form1& form_;
  decltype(Form1::Ban) ban_;
  decltype(Form1::Koma) koma_;
};

// The game's fields besides the board and the cell pictures: what the turning must leave alone.
std::string FieldsBesideTheBoard(const Form1& form) {
  const std::string state = StateText(form);
  std::size_t at = 0;
  for (int line = 0; line < 8 + 64; ++line) at = state.find('\n', at) + 1;
  return state.substr(at);
}

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
    TurnLog log(form);
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

  // Every cell picture of a piece is at rest, 32 x 32.
  bool AllAtFullSize() const {
    for (int c = 1; c <= 8; ++c)
      for (int r = 1; r <= 8; ++r) {
        const ui::Image& cell = form.Koma[KomaIndex(c, r)];
        if (form.Ban[c][r] != CellEmpty && (cell.Width != 32 || cell.Height != 32)) return false;
      }
    return true;
  }
};

// Red plays (4, 6): two pieces up to (4, 3), one to the right up to (6, 6).
const BoardRows UpAndRight{"........", "........", "...R....", "...B....",
                           "...B....", "....BR..", "........", "........"};

TEST_F(FlipPiecesTest, TurnsTheRunUpBeforeTheRunRightNearestFirst) {
  const TurnLog log = Turn(UpAndRight, SideRed, 4, 6);
  EXPECT_EQ(log.Events, (std::vector<std::string>{"Ban(4,5)", "Koma(35)", "Ban(4,4)", "Koma(27)",
                                                  "Ban(5,6)", "Koma(44)"}));
  EXPECT_EQ(log.Resized, (std::set<int>{27, 35, 44}));  // the placed piece is left alone
  EXPECT_EQ(platform.PumpCount, 3 * (128 + 64));
  EXPECT_TRUE(AllAtFullSize());
  EXPECT_TRUE(BoardConsistent(form));
}

TEST_F(FlipPiecesTest, CapturesInAllEightDirectionsTurnUpLeftFirstDownRightLast) {
  form.AnimStep = 4;
  const TurnLog log = Turn({"R..R..R.", ".B.B.B..", "..BBB...", "RBB.BBBR", "..BBB...", ".B.B.B..",
                            "R..B..R.", "...R...."},
                           SideRed, 4, 4);
  std::vector<std::string> writes;
  for (const auto& event : log.Events)
    if (event.starts_with("Ban")) writes.push_back(event.substr(3));
  EXPECT_EQ(writes, (std::vector<std::string>{"(3,3)", "(2,2)", "(4,3)", "(4,2)", "(5,3)", "(6,2)",
                                              "(3,4)", "(2,4)", "(5,4)", "(6,4)", "(7,4)", "(3,5)",
                                              "(2,6)", "(4,5)", "(4,6)", "(4,7)", "(5,5)", "(6,6)"}));
  EXPECT_EQ(log.Resized.size(), 18u);
  EXPECT_FALSE(log.Resized.contains(KomaIndex(4, 4)));
  EXPECT_EQ(ReadBoard(form), (BoardRows{"R..R..R.", ".R.R.R..", "..RRR...", "RRRRRRRR", "..RRR...",
                                        ".R.R.R..", "R..R..R.", "...R...."}));
  EXPECT_TRUE(AllAtFullSize());
  EXPECT_TRUE(BoardConsistent(form));
}

TEST_F(FlipPiecesTest, RunDownFromTheTopRightCornerUsesTheCursorColumn) {
  form.AnimStep = 4;
  const TurnLog log = Turn({"........", ".......B", ".......B", ".......B", ".......R", "........",
                            "........", "........"},
                           SideRed, 8, 1);
  EXPECT_EQ(form.CursorX, 7);
  EXPECT_EQ(log.Events, (std::vector<std::string>{"Ban(8,2)", "Koma(15)", "Ban(8,3)", "Koma(23)",
                                                  "Ban(8,4)", "Koma(31)"}));
}

TEST_F(FlipPiecesTest, NothingCapturedReturnsAtOnce) {
  const TurnLog log = Turn(UpAndRight, SideBlue, 1, 1);
  EXPECT_TRUE(log.Events.empty());
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
