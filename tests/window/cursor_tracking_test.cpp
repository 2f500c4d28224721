#include "window/flow_fixture.h"

namespace zeri::testing {
namespace {

using Tracking = FlowTest;

TEST_F(Tracking, RoundsDownAtTheGridEdgesAndPlacesTheFrame) {
  Start(PlayerHuman, PlayerHuman);
  struct Case { float x; Int16 column; bool shown; };
  for (const Case& c : {Case{1740, 0, true}, Case{1739.5f, -1, false}, Case{0, -3, false},
                        Case{1740 + 8 * 690 - 1, 7, true}, Case{1740 + 8 * 690, 8, false},
                        Case{599 * 15, 10, false}}) {
    form.Image1_MouseMove(0, 0, c.x, 1740);
    EXPECT_EQ(form.CursorX, c.column) << c.x;
    EXPECT_EQ(form.MoveX, c.column + 1) << c.x;
    EXPECT_EQ(form.Image2.Visible, c.shown) << c.x;
    form.Image1_MouseMove(0, 0, 1740, c.x);  // the same for the row
    EXPECT_EQ(form.CursorY, c.column) << c.x;
    EXPECT_EQ(form.MoveY, c.column + 1) << c.x;
    EXPECT_EQ(form.Image2.Visible, c.shown) << c.x;
  }
  PointAt(1, 1);
  EXPECT_EQ(FramePlace(form), std::pair(117, 118));
  PointAt(8, 8);
  EXPECT_EQ(FramePlace(form), std::pair(439, 440));
}

TEST_F(Tracking, IgnoredOnTheTitleScreenAndWhileAMoveRuns) {
  PointAt(3, 3);
  EXPECT_FALSE(form.Image2.Visible);
  EXPECT_EQ(form.CursorX, 0);
  Start(PlayerHuman, PlayerHuman);
  PointAt(3, 4);
  int movesDuringTheMove = 0;
  platform.OnPump = [&] {
    PointAt(8, 8);
    movesDuringTheMove += form.CursorX == 7;
  };
  form.Image2_Click();
  EXPECT_EQ(movesDuringTheMove, 0);
  EXPECT_EQ(FramePlace(form), std::pair(117 + 46 * 2, 118 + 46 * 3));
}

}  // namespace
}  // namespace zeri::testing
