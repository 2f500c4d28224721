// Start, play again and the return to the title, also chosen in the middle of a move.
#include <cctype>

#include "window/flow_fixture.h"

namespace zeri::testing {
namespace {

using TitleFlow = FlowTest;

const BoardRows StartPosition{"........", "........", "........", "...BR...",
                              "...RB...", "........", "........", "........"};

TEST_F(TitleFlow, StartAndReturnSwitchTheCommands) {
  EXPECT_TRUE(InTitleState(form));
  form.Toolbar1_ButtonClick(3);  // disabled: reports nothing
  EXPECT_TRUE(platform.Messages.empty());
  form.Toolbar1_ButtonClick(2);
  EXPECT_EQ(ReadBoard(form), StartPosition);
  EXPECT_EQ(Counters(form), "2/2");
  EXPECT_TRUE(GameCommands(form));
  form.Toolbar1_ButtonClick(2);  // disabled during a game
  form.Toolbar1_ButtonClick(5);
  EXPECT_EQ(platform.ModalCount, 0);

  platform.Answers = {ui::MsgBoxAnswer::No};
  Click(3, 4);
  form.menurest_Click();
  const ui::MsgBoxRequest& question = platform.Messages.back();
  EXPECT_EQ(question.Prompt, "タイトルに戻りますか？？");
  EXPECT_EQ(question.Title, std::optional<std::string>("zeri"));
  EXPECT_EQ(question.Icon, ui::MsgBoxIcon::Exclamation);
  EXPECT_EQ(question.Buttons, ui::MsgBoxButtons::YesNo);
  EXPECT_EQ(question.DefaultButton, 1);
  EXPECT_EQ(form.RedCount, 4);
  EXPECT_TRUE(GameCommands(form));

  form.Toolbar1_ButtonClick(3);  // the default answer, Yes
  EXPECT_TRUE(InTitleState(form));
  form.menust_Click();
  EXPECT_EQ(ReadBoard(form), StartPosition);
  EXPECT_EQ(form.Turn, SideRed);
}

TEST_F(TitleFlow, PlayAgainAndBackFromAFinishedGame) {
  sengen::RedPlayer = PlayerWeak;
  Fastest();
  form.menust_Click();
  Click(3, 3);
  while (PlayFirstMove()) {
  }
  ASSERT_TRUE(form.Image9.Visible);
  // Left through the menu, the end icons stay; 再 then starts again with the same players.
  form.menurest_Click();
  EXPECT_TRUE(InTitleState(form));
  EXPECT_TRUE(form.Image9.Visible && form.Image10.Visible);
  form.Image9_Click();
  EXPECT_EQ(ReadBoard(form)[3], "..RRR...");
  EXPECT_FALSE(form.Image9.Visible || form.Image10.Visible);
  EXPECT_TRUE(GameCommands(form));
  EXPECT_TRUE(BoardConsistent(form));

  while (PlayFirstMove()) {
  }
  form.Image10_Click();  // 終, Yes
  EXPECT_TRUE(InTitleState(form));
  EXPECT_FALSE(form.Image9.Visible || form.Image10.Visible);
}

// The return to the title, answered Yes or No, from inside a pump of each kind of move.
struct Moment {
  const char* name;
  Int16 red, blue;
  std::function<bool(const Form1&)> now;  // true at the pump where the question is asked
};

void PrintTo(const Moment& moment, std::ostream* out) { *out << moment.name; }

class ReturnDuringMove : public FlowTest, public ::testing::WithParamInterface<std::tuple<Moment, bool>> {};

TEST_P(ReturnDuringMove, LeavesTheTitleAloneOrTheMoveWhole) {
  const auto& [moment, yes] = GetParam();
  sengen::RedPlayer = moment.red;
  sengen::BluePlayer = moment.blue;
  bool asked = false;
  platform.OnPump = [&] {
    if (asked || !moment.now(form)) return;
    asked = true;
    platform.Answers = {yes ? ui::MsgBoxAnswer::Yes : ui::MsgBoxAnswer::No};
    form.menurest_Click();
    form.menust_Click();  // re-enabled by a Yes, but the move still owns the board
    form.Image9_Click();
  };
  form.menust_Click();
  if (moment.red == PlayerHuman) Click(3, 4);
  ASSERT_TRUE(asked) << moment.name;
  EXPECT_EQ(form.Busy, 0);
  EXPECT_EQ(form.MoveAbandonedFlag, 0);
  if (!yes) {
    EXPECT_TRUE(GameCommands(form));
    EXPECT_EQ(form.Turn, moment.blue == PlayerHuman ? SideBlue : SideRed);  // the move went on
    EXPECT_TRUE(BoardConsistent(form));
    return;
  }
  EXPECT_TRUE(InTitleState(form)) << moment.name;
  for (const auto& cell : form.Koma) EXPECT_EQ(cell.Width, 32);
  EXPECT_FALSE(form.Image9.Visible);
  // The next game starts from the start position alone, and plays normally.
  sengen::RedPlayer = sengen::BluePlayer = PlayerHuman;
  platform.OnPump = nullptr;
  form.menust_Click();
  EXPECT_EQ(ReadBoard(form), StartPosition);
  EXPECT_EQ(Counters(form), "2/2");
  EXPECT_EQ(form.Label3.Caption, "赤zeriるん発生");
  Click(3, 4);
  EXPECT_EQ(Counters(form), "4/1");
}

const Moment Moments[] = {
    {"a person's flip", PlayerHuman, PlayerHuman,
     [](const Form1& f) { return f.Ban[4][4] == SideRed && f.Koma[27].Width < 20; }},
    {"the computer's turn", PlayerHuman, PlayerMedium,
     [](const Form1& f) { return f.Label3.Caption == "コンピュータ思考中"; }},
    {"the computer's flip", PlayerHuman, PlayerStrong,
     // It answers (3,4) with (5,3) and turns (5,4).
     [](const Form1& f) { return f.Label3.Caption == "コンピュータ思考中" && f.Koma[28].Width == 0; }},
    {"the opening", PlayerWeak, PlayerHuman, [](const Form1& f) { return f.Koma[26].Width == 10; }},
};

INSTANTIATE_TEST_SUITE_P(Moments, ReturnDuringMove,
                         ::testing::Combine(::testing::ValuesIn(Moments), ::testing::Bool()),
                         [](const auto& info) {
                           std::string name = std::get<0>(info.param).name;
                           for (char& ch : name)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name + (std::get<1>(info.param) ? "_Yes" : "_No");
                         });

TEST_F(TitleFlow, QuitEndsAtOnceInTheMiddleOfAMove) {
  Start(PlayerHuman, PlayerHuman);
  PointAt(3, 4);
  int pumpsAfterQuit = 0;
  platform.OnPump = [&] {
    if (platform.Ended) ++pumpsAfterQuit;
    if (form.Koma[26].Width == 16) form.menuen_Click();
  };
  EXPECT_THROW(form.Image2_Click(), ui::ProgramEnded);
  EXPECT_TRUE(platform.Ended);
  EXPECT_EQ(pumpsAfterQuit, 0);
  EXPECT_TRUE(platform.Sounds.empty());
  EXPECT_TRUE(platform.Messages.empty());
}

}  // namespace
}  // namespace zeri::testing
