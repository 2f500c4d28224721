// Whole games clicked through the headless platform, checked after every click.
#include "window/flow_fixture.h"

namespace zeri::testing {
namespace {

using WholeGame = FlowTest;

const char* const PassMessage = "もうおけましぇ～ん！！！";
const char* const GameOverMessage = "げ－むしゅ－りょ－。";

std::string ExpectedResult(const Form1& form) {
  if (form.RedCount > form.BlueCount) return "勝菌：赤zeriるん";
  if (form.RedCount < form.BlueCount) return "勝菌：青zeriるん";
  return "両菌相打ち";
}

TEST_F(WholeGame, TwoPeopleToTheEnd) {
  Start(PlayerHuman, PlayerHuman);
  int clicks = 0;
  while (PlayFirstMove()) ++clicks;
  EXPECT_GT(clicks, 20);
  EXPECT_EQ(platform.SleepCount, 0);
  EXPECT_EQ(CountMessages(GameOverMessage), 1);
  EXPECT_EQ(form.Label3.Caption, ExpectedResult(form));
  const ui::Picture winner = form.RedCount > form.BlueCount   ? form.Image11.Picture
                             : form.RedCount < form.BlueCount ? form.Image12.Picture
                                                              : form.Image8.Picture;
  EXPECT_EQ(form.Image3.Picture, winner);
  EXPECT_TRUE(form.Image9.Visible && form.Image10.Visible);
  EXPECT_TRUE(GameCommands(form));

  // After the end: clicks place nothing and show the end icons again, also after 終 answered No.
  platform.Answers = {ui::MsgBoxAnswer::No};
  form.Image10_Click();
  EXPECT_FALSE(form.Image9.Visible || form.Image10.Visible);
  const auto finished = ReadBoard(form);
  for (int c = 1; c <= 8; ++c) Click(c, 1);
  EXPECT_EQ(ReadBoard(form), finished);
  EXPECT_TRUE(form.Image9.Visible && form.Image10.Visible);
  EXPECT_EQ(CountMessages(GameOverMessage), 1);
}

// Person against the computer at each strength, as red and as blue, played to the end.
class AgainstComputer : public FlowTest, public ::testing::WithParamInterface<std::tuple<Int16, bool>> {};

TEST_P(AgainstComputer, PlaysToTheEnd) {
  const auto [level, personRed] = GetParam();
  Fastest();
  const Int16 computer = personRed ? SideBlue : SideRed;
  int thinkingPumps = 0;
  platform.OnPump = [&] { thinkingPumps += form.Label3.Caption == "コンピュータ思考中"; };
  Start(personRed ? PlayerHuman : level, personRed ? level : PlayerHuman);
  if (!personRed) {
    EXPECT_EQ(ReadBoard(form)[3], "..RRR...");  // the fixed opening
    Click(3, 3);
  }
  while (PlayFirstMove()) {
    if (form.GameOver == 0) {
      EXPECT_EQ(form.Turn, OtherSide(computer));
    }
  }
  // Every computer move: the thinking text, one pump, the pause and its sound first.
  const int computerSounds = static_cast<int>(std::count_if(
      platform.Sounds.begin(), platform.Sounds.end(),
      [&](const auto& s) { return s.Name == (computer == SideRed ? "sd1.dat" : "sd2.dat"); }));
  EXPECT_GT(platform.SleepCount, 10);
  EXPECT_EQ(thinkingPumps, platform.SleepCount);
  EXPECT_EQ(computerSounds, platform.SleepCount + (personRed ? 0 : 1));
  EXPECT_EQ(platform.Clock(), 1000 * platform.SleepCount);
  EXPECT_EQ(CountMessages(GameOverMessage), 1);
  EXPECT_EQ(form.Label3.Caption, ExpectedResult(form));
  EXPECT_TRUE(form.Image9.Visible && form.Image10.Visible);
}

std::string GameName(const ::testing::TestParamInfo<std::tuple<Int16, bool>>& info) {
  static const char* const levels[] = {"", "Weak", "Medium", "Strong"};
  return std::string(levels[std::get<0>(info.param)]) + (std::get<1>(info.param) ? "_PersonRed" : "_PersonBlue");
}

INSTANTIATE_TEST_SUITE_P(Strengths, AgainstComputer,
                         ::testing::Combine(::testing::Values(PlayerWeak, PlayerMedium, PlayerStrong),
                                            ::testing::Bool()),
                         GameName);

TEST_F(WholeGame, PersonPassesSeveralTimesInARow) {
  Start(PlayerHuman, PlayerWeak);
  SetBoard(form, {"BBBBBBBR", "BBB.BBBB", "B.B.BBBB", "BBBBBBBB",
                  "R.BBBBBB", "B.BB.BBB", "RBBBBBBB", "BBBB.BBB"});
  std::vector<std::string> atEachMessage;
  platform.OnMessage = [&](const ui::MsgBoxRequest& m) {
    atEachMessage.push_back(m.Prompt + " " + std::to_string(form.BlueCount));
  };
  Click(4, 2);
  // Three computer moves; the pass message after the first two; the third leaves nobody a move.
  EXPECT_EQ(platform.SleepCount, 3);
  EXPECT_EQ(atEachMessage, (std::vector<std::string>{std::string(PassMessage) + " 54",
                                                     std::string(PassMessage) + " 56",
                                                     std::string(GameOverMessage) + " 58"}));
  EXPECT_EQ(ReadBoard(form)[4], "RBBBBBBB");
  EXPECT_EQ(form.Label3.Caption, "勝菌：青zeriるん");
}

TEST_F(WholeGame, ComputerPassesAndThePersonMovesAgain) {
  Start(PlayerHuman, PlayerMedium);
  SetBoard(form, {"BBBBBBBB", "B.BBBBBB", "B.BBBBBB", "BBBBBBRB",
                  "B.BBBBBB", "BBBBBBBB", "BBBBRBBB", ".BBRBBBB"});
  Click(1, 8);
  EXPECT_EQ(platform.SleepCount, 0);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{PassMessage});
  EXPECT_EQ(form.Turn, SideRed);
  EXPECT_EQ(form.Label3.Caption, "赤zeriるん発生");
  Click(2, 5);
  EXPECT_EQ(Counters(form), "9/53");
}

TEST_F(WholeGame, ComputerAsRedPassesThePersonAsBlue) {
  Start(PlayerStrong, PlayerHuman);
  SetBoard(form, {"RRRRRRRR", "RRRBRRRR", ".RRRRRRR", "RRRRRRR.",
                  "RRRRRRBR", "RRRRR.RR", "RRRRR.RR", "RRRBRRRR"});
  form.Turn = SideBlue;
  Click(6, 6);
  EXPECT_EQ(platform.SleepCount, 2);
  EXPECT_EQ(CountMessages(PassMessage), 1);
  EXPECT_EQ(CountMessages(GameOverMessage), 1);
  EXPECT_EQ(Counters(form), "61/2");
  EXPECT_EQ(platform.Sounds.back().Name, "sd1.dat");
}

}  // namespace
}  // namespace zeri::testing
