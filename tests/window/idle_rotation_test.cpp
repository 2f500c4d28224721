#include "window/flow_fixture.h"

namespace zeri::testing {
namespace {

using IdleRotation = FlowTest;

TEST_F(IdleRotation, FramesCycleFromStartUpAndPaintByTheBoardAlone) {
  form.Timer1_Timer();  // the title screen: nothing to paint, the frame still advances
  EXPECT_EQ(form.AnimFrame, 1);
  EXPECT_TRUE(InTitleState(form));
  Start(PlayerHuman, PlayerHuman);
  std::vector<int> frames;
  for (int tick = 0; tick < 5; ++tick) {
    form.Timer1_Timer();
    frames.push_back(form.AnimFrame);
    EXPECT_EQ(form.Koma[KomaIndex(5, 4)].Picture, form.Red[form.AnimFrame].Picture);
    EXPECT_EQ(form.Koma[KomaIndex(4, 4)].Picture, form.Blue[form.AnimFrame].Picture);
  }
  EXPECT_EQ(frames, (std::vector<int>{2, 3, 0, 1, 2}));
  EXPECT_FALSE(form.Koma[0].Visible);
  EXPECT_EQ(form.Koma[0].Picture, ui::Picture::Mascot);
}

TEST_F(IdleRotation, StonesTurnIntoGermsWhenTheRotationRunsAgain) {
  Start(PlayerHuman, PlayerHuman);
  form.Timer1_Timer();
  form.menugo_Click();
  Click(3, 4);  // a stone placed, a germ turned into a stone
  EXPECT_EQ(form.Koma[KomaIndex(3, 4)].Picture, ui::Picture::BlackStone);
  EXPECT_EQ(form.Koma[KomaIndex(5, 4)].Picture, form.Red[1].Picture);  // kept its last frame
  form.menukai_Click();
  ASSERT_TRUE(form.Timer1.Enabled);
  form.Timer1_Timer();
  for (int c : {3, 4, 5}) EXPECT_EQ(form.Koma[KomaIndex(c, 4)].Picture, form.Red[2].Picture);
  EXPECT_EQ(form.Koma[KomaIndex(5, 5)].Picture, form.Blue[2].Picture);
  EXPECT_TRUE(BoardConsistent(form));
}

TEST_F(IdleRotation, ATickDuringAFlipPaintsTheMoversFrameAtTheCurrentSize) {
  Start(PlayerHuman, PlayerHuman);
  PointAt(3, 4);
  Int16 width = -1;
  platform.OnPump = [&] {
    if (width < 0 && form.Ban[4][4] == SideRed && form.Koma[27].Width == 20) {
      form.Timer1_Timer();
      width = form.Koma[27].Width;
      EXPECT_EQ(form.Koma[27].Picture, form.Red[1].Picture);
    }
  };
  form.Image2_Click();
  EXPECT_EQ(width, 20);
}

}  // namespace
}  // namespace zeri::testing
