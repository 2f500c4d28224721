// Seeded random events against the whole game: pointer moves, board clicks, every enabled menu
// command and toolbar button, the end icons, timer ticks, dialog choices and message-box answers,
// fired between moves and from inside the pumps of a move in progress. Checked after every event.
//
// A million events by hand (the sanitizer build too):
//   ZERI_MONKEY_EVENTS=1000000 build/release/tests/zeri_tests --gtest_filter='Monkey.*'
// ZERI_MONKEY_SEED=<n> plays another sequence.
#include <algorithm>
#include <cstdlib>
#include <deque>
#include <memory>
#include <random>
#include <sstream>

#include "settings/form2.h"
#include "window/flow_fixture.h"

namespace zeri::testing {
namespace {

long EnvOr(const char* name, long fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::strtol(value, nullptr, 10) : fallback;
}

bool Within(int value, int low, int high) { return value >= low && value <= high; }

// What holds at any moment, in the middle of a move too.
::testing::AssertionResult InBounds(const Form1& f) {
  if (auto border = BorderEmpty(f); !border) return border;
  std::ostringstream bad;
  for (int c = 1; c <= 8; ++c)
    for (int r = 1; r <= 8; ++r)
      if (f.Ban[c][r] != CellEmpty && f.Ban[c][r] != SideRed && f.Ban[c][r] != SideBlue)
        bad << "Ban(" << c << "," << r << ") ";
  for (const auto& cell : f.Koma)
    if (!Within(cell.Width, 0, 32) || cell.Width != cell.Height) bad << "cell size ";
  if (!Within(f.CursorX, -3, 10) || !Within(f.CursorY, -3, 10)) bad << "cursor ";
  if (!Within(f.MoveX, -2, 11) || !Within(f.MoveY, -2, 11)) bad << "move ";
  if (f.Turn != 0 && f.Turn != SideRed && f.Turn != SideBlue) bad << "turn ";
  if (!Within(f.RedCount, 0, 64) || !Within(f.BlueCount, 0, 64)) bad << "counts ";
  if (!Within(sengen::MoveCount, 0, 60) || !Within(f.AnimFrame, 0, 3)) bad << "list or frame ";
  if (sengen::RedPlayer != 0 && sengen::BluePlayer != 0) bad << "two computers ";
  if (bad.str().empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << bad.str();
}

// What holds whenever no move is under way.
::testing::AssertionResult Settled(const Form1& f) {
  if (f.Busy != 0 || f.MoveAbandonedFlag != 0) return ::testing::AssertionFailure() << "move left running";
  if (auto bounds = InBounds(f); !bounds) return bounds;
  if (f.BoardActive == 0) return InTitleState(f);
  if (auto consistent = BoardConsistent(f); !consistent) return consistent;
  if (f.Label5.Caption != std::to_string(f.RedCount) || f.Label6.Caption != std::to_string(f.BlueCount))
    return ::testing::AssertionFailure() << "counters show " << Counters(f);
  for (int c = 1; c <= 8; ++c)
    for (int r = 1; r <= 8; ++r)
      if (f.Ban[c][r] != CellEmpty && f.Koma[KomaIndex(c, r)].Width != 32)
        return ::testing::AssertionFailure() << "piece (" << c << "," << r << ") left small";
  return GameCommands(f);
}

class Monkey : public ::testing::Test {
 protected:
  // One run of the program: quitting ends it and the next event starts a fresh one.
  void StartRun() {
    form.reset();
    platform = std::make_unique<ui::HeadlessPlatform>();
    openingTicked = false;
    form = std::make_unique<Form1>(*platform);
    form->Form_Load();
    platform->OnPump = [this] { InsidePump(); };
    platform->OnMessage = [this](const ui::MsgBoxRequest& box) { Answer(box); };
    platform->OnModal = [this](Form2& dialog) { ChooseIn(dialog); };
  }

  int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

  void Note(std::string what) {
    trace.push_back(std::move(what));
    if (trace.size() > 25) trace.pop_front();
  }

  void Answer(const ui::MsgBoxRequest& box) {
    // Modal: the window takes no command meanwhile, but the timer still ticks.
    if (Roll(4) == 0 && form->Timer1.Enabled) Tick();
    const bool yes = Roll(6) == 0;  // rarely leave a game, so that games get played to their end
    platform->Answers.push_front(box.Buttons == ui::MsgBoxButtons::OkOnly ? ui::MsgBoxAnswer::Ok
                                 : yes                                    ? ui::MsgBoxAnswer::Yes
                                                                          : ui::MsgBoxAnswer::No);
    Note("answer " + box.Prompt + (box.Buttons == ui::MsgBoxButtons::YesNo && yes ? " yes" : ""));
  }

  void ChooseIn(Form2& dialog) {
    ui::OptionButton* const orders[] = {&dialog.Option9, &dialog.Option10};
    ui::OptionButton* const levels[] = {&dialog.Option1, &dialog.Option2, &dialog.Option3, &dialog.Option4};
    dialog.Select(*orders[Roll(2)]);
    dialog.Select(*levels[Roll(4)]);
    if (Roll(4) != 0) dialog.Command1_Click();
    Note("dialog");
  }

  void InsidePump() {
    if (Roll(40) != 0) return;
    // A real pump handles whatever is pending: a few events may come in one go.
    for (int k = 1 + Roll(3); k > 0; --k) Fire(true);
    if (auto bounds = InBounds(*form); !bounds && insideFailure.empty())
      insideFailure = ::testing::PrintToString(bounds.message());
    if (form->Busy != 1 && insideFailure.empty()) insideFailure = "Busy cleared inside a move";
    abandoned += form->MoveAbandonedFlag == 1;
  }

  void CollectMenu(std::vector<MenuNode>& nodes, std::vector<MenuNode*>& out) {
    for (MenuNode& node : nodes) {
      if (!node.Item->Enabled) continue;
      if (node.Click) out.push_back(&node);
      CollectMenu(node.Children, out);
    }
  }

  void Fire(bool inside) {
    Form1& f = *form;
    const int kind = Roll(12);
    if (kind < 4) {  // towards a legal move most of the time, so games get played to their end
      int column = 1 + Roll(8), row = 1 + Roll(8);
      if (sengen::MoveCount > 0 && Roll(3) != 0) {
        const int k = 1 + Roll(sengen::MoveCount);
        column = sengen::MoveListX[k];
        row = sengen::MoveListY[k];
      }
      f.Image1_MouseMove(0, 0, CellCentreTwips(column), CellCentreTwips(row));
      Note("point " + std::to_string(column) + "," + std::to_string(row));
      if (Roll(2) == 0 && f.Image2.Visible) {
        Note("click frame");
        f.Image2_Click();
      }
    } else if (kind == 4) {
      f.Image1_MouseMove(0, 0, static_cast<float>(Roll(9000)), static_cast<float>(Roll(9000)));
      Note("point anywhere");
    } else if (kind <= 6) {
      if (f.Image2.Visible) {
        Note("click frame");
        f.Image2_Click();
      }
    } else if (kind == 7) {
      if (f.Timer1.Enabled) Tick();
    } else if (kind == 8) {
      const Int16 button = static_cast<Int16>(1 + Roll(5));
      if (f.Toolbar1.Buttons[button].Enabled) {
        Note("toolbar " + std::to_string(button));
        f.Toolbar1_ButtonClick(button);
      }
    } else if (kind == 9) {
      if (f.Image9.Visible && Roll(2) == 0) {
        Note("再");
        f.Image9_Click();
      } else if (f.Image10.Visible) {
        Note("終");
        f.Image10_Click();
      }
    } else {
      auto tree = f.MenuTree();
      std::vector<MenuNode*> items;
      CollectMenu(tree, items);
      MenuNode* item = items[Roll(static_cast<int>(items.size()))];
      if (item->Item == &f.menuen && Roll(50) != 0) return;  // quit, but rarely
      Note(std::string(inside ? "in a move: " : "") + item->Item->Caption);
      item->Click();
    }
  }

  // The computer's opening records the turned (4,4) only after its animation, so a tick during it
  // paints that piece blue again; the next tick paints it red.
  void Tick() {
    const Form1& f = *form;
    const bool turningInOpening = f.Busy == 1 && f.RedCount == 2 && f.BlueCount == 2 &&
                                  f.Ban[3][4] == SideRed && f.Ban[4][4] == SideBlue;
    form->Timer1_Timer();
    openingTicked = turningInOpening;
    Note("tick");
  }

  ::testing::AssertionResult SettledNow() {
    ui::Image& turned = form->Koma[KomaIndex(4, 4)];
    const ui::Picture shown = turned.Picture;
    const bool blueFrame = std::any_of(form->Blue.begin(), form->Blue.end(),
                                       [&](const ui::Image& frame) { return frame.Picture == shown; });
    if (openingTicked && form->Ban[4][4] == SideRed && blueFrame) turned.Picture = form->Red[0].Picture;
    auto result = Settled(*form);
    turned.Picture = shown;
    return result;
  }

  std::string Trace() const {
    std::string text;
    for (const auto& line : trace) text += "\n  " + line;
    return text;
  }

  std::mt19937 rng{static_cast<unsigned>(EnvOr("ZERI_MONKEY_SEED", 20240501))};
  std::unique_ptr<ui::HeadlessPlatform> platform;
  std::unique_ptr<Form1> form;
  std::deque<std::string> trace;
  std::string insideFailure;
  bool openingTicked = false;
  int abandoned = 0;  // returns to the title in the middle of a move
};

TEST_F(Monkey, RandomEventsKeepTheGameSound) {
  const long events = EnvOr("ZERI_MONKEY_EVENTS", 10000);
  StartRun();
  int runs = 1, games = 0, finished = 0;
  for (long n = 0; n < events; ++n) {
    const Int16 wasActive = form->BoardActive;
    const Int16 wasOver = form->GameOver;
    try {
      Fire(false);
    } catch (const ui::ProgramEnded&) {
      ASSERT_TRUE(platform->Ended);
      StartRun();
      ++runs;
      continue;
    }
    ASSERT_TRUE(insideFailure.empty()) << "event " << n << ": " << insideFailure << Trace();
    ASSERT_TRUE(SettledNow()) << "event " << n << Trace();
    games += wasActive == 0 && form->BoardActive == 1;
    finished += wasOver == 0 && form->GameOver == 1;
  }
  RecordProperty("runs", runs);
  RecordProperty("games", games);
  EXPECT_GT(finished, 0);
  EXPECT_GT(abandoned, 0);
}

}  // namespace
}  // namespace zeri::testing
