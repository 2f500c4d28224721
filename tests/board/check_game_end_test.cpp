#include "support/game_fixture.h"

namespace zeri::testing {
namespace {

class CheckGameEndTest : public GameTest {
 protected:
  // Blue to move; only the counts and the pass flags matter here.
  void Position(Int16 red, Int16 blue, bool bothPassed) {
    PlayFrom(form, EmptyBoard, SideBlue);
    form.RedCount = red;
    form.BlueCount = blue;
    form.PassFlag[SideRed] = form.PassFlag[SideBlue] = bothPassed ? 1 : 0;
    platform.Messages.clear();
  }
};

TEST_F(CheckGameEndTest, AnnouncesTheResultOnceAfterTheBoxIsClosed) {
  struct Case {
    Int16 red, blue;
    bool bothPassed;
    const char* result;
    ui::Picture icon;
  };
  for (const Case& c : {Case{40, 24, false, "勝菌：赤zeriるん", ui::Picture::RedGerm},
                        Case{32, 32, false, "両菌相打ち", ui::Picture::Mascot},
                        Case{10, 20, true, "勝菌：青zeriるん", ui::Picture::BlueGerm},
                        Case{5, 0, true, "勝菌：赤zeriるん", ui::Picture::RedGerm}}) {
    SCOPED_TRACE(c.result);
    Position(c.red, c.blue, c.bothPassed);
    platform.OnMessage = [&](const ui::MsgBoxRequest&) {
      EXPECT_EQ(form.Label3.Caption, "青zeriるん発生");
      EXPECT_EQ(form.Image3.Picture, ui::Picture::BlueGerm);
      EXPECT_EQ(form.GameOver, 0);
    };
    form.CheckGameEnd();
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{"げ－むしゅ－りょ－。"});
    EXPECT_EQ(platform.Messages[0].Buttons, ui::MsgBoxButtons::OkOnly);
    EXPECT_EQ(platform.Messages[0].Icon, ui::MsgBoxIcon::None);
    EXPECT_FALSE(platform.Messages[0].Title.has_value());
    EXPECT_EQ(form.Label3.Caption, c.result);
    EXPECT_EQ(form.Image3.Picture, c.icon);
    EXPECT_EQ(form.GameOver, 1);

    const std::string ended = StateText(form);
    form.CheckGameEnd();
    form.CheckGameEnd();
    EXPECT_EQ(platform.Messages.size(), 1u);
    EXPECT_EQ(StateText(form), ended);
  }
}

TEST_F(CheckGameEndTest, OneSidePassingOrAnOpenCellLetsTheGameGoOn) {
  for (Int16 passer : {SideRed, SideBlue}) {
    Position(31, 32, false);
    form.PassFlag[passer] = 1;
    const std::string before = StateText(form);
    form.CheckGameEnd();
    EXPECT_EQ(StateText(form), before);
    EXPECT_TRUE(platform.Messages.empty());
  }
}

}  // namespace
}  // namespace zeri::testing
