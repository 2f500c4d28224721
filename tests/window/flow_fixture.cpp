#include "window/flow_fixture.h"

namespace zeri::testing {

float CellCentreTwips(int index) { return static_cast<float>((117 + 46 * (index - 1) + 22) * 15); }

namespace {
::testing::AssertionResult Commands(const Form1& form, bool title) {
  const bool states[] = {form.menust.Enabled, form.menutai.Enabled, !form.menurest.Enabled,
                         form.Toolbar1.Buttons[2].Enabled, !form.Toolbar1.Buttons[3].Enabled,
                         form.Toolbar1.Buttons[5].Enabled};
  for (int k = 0; k < 6; ++k)
    if (states[k] != title)
      return ::testing::AssertionFailure() << "command " << k << " not as on the "
                                           << (title ? "title screen" : "board");
  return ::testing::AssertionSuccess();
}
}  // namespace

::testing::AssertionResult TitleCommands(const Form1& form) { return Commands(form, true); }
::testing::AssertionResult GameCommands(const Form1& form) { return Commands(form, false); }

::testing::AssertionResult InTitleState(const Form1& form) {
  const BoardRows empty{"........", "........", "........", "........",
                        "........", "........", "........", "........"};
  if (ReadBoard(form) != empty) return ::testing::AssertionFailure() << "pieces left on the board";
  if (auto consistent = BoardConsistent(form); !consistent) return consistent;
  if (form.BoardActive != 0 || form.Image2.Visible || form.Label3.Caption != "zeri for Windows" ||
      form.Image3.Picture != ui::Picture::Mascot || form.Label5.Caption != "0" ||
      form.Label6.Caption != "0")
    return ::testing::AssertionFailure() << "title screen not shown, status '" << form.Label3.Caption
                                         << "'";
  return TitleCommands(form);
}

void FlowTest::PointAt(int column, int row) {
  form.Image1_MouseMove(0, 0, CellCentreTwips(column), CellCentreTwips(row));
}

void FlowTest::Click(int column, int row) {
  PointAt(column, row);
  form.Image2_Click();
  EXPECT_EQ(form.Busy, 0);
  EXPECT_TRUE(BoardConsistent(form));
}

void FlowTest::Start(Int16 red, Int16 blue) {
  sengen::RedPlayer = red;
  sengen::BluePlayer = blue;
  form.menust_Click();
  EXPECT_TRUE(BoardConsistent(form));
}

bool FlowTest::PlayFirstMove() {
  if (form.GameOver != 0) return false;
  const auto moves = MoveList();
  EXPECT_FALSE(moves.empty());
  if (moves.empty()) return false;
  Click(moves.front().first, moves.front().second);
  return true;
}

}  // namespace zeri::testing
