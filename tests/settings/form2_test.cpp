#include "settings/form2.h"

#include "support/game_fixture.h"

namespace zeri::testing {
namespace {

class MatchSettings : public GameTest {
 protected:
  // Opens the dialog from the menu; the user selects the two buttons, then OK or closes it.
  std::string Open(ui::OptionButton Form2::*order, ui::OptionButton Form2::*opponent, bool ok) {
    std::string shown;
    platform.OnModal = [&](Form2& dialog) {
      shown = Selection(dialog);
      if (order) dialog.Select(dialog.*order);
      if (opponent) dialog.Select(dialog.*opponent);
      if (ok) dialog.Command1_Click();
    };
    form.menutai_Click();
    return shown;
  }
  static std::string Selection(const Form2& d) {
    std::string text;
    for (const auto* o : {&d.Option9, &d.Option10, &d.Option1, &d.Option2, &d.Option3, &d.Option4})
      if (o->Value) text += o->Caption;
    return text;
  }
  std::pair<int, int> Players() const { return {sengen::RedPlayer, sengen::BluePlayer}; }
};

TEST_F(MatchSettings, PreselectionRoundTrips) {
  EXPECT_EQ(Selection(Form2{}), "先攻人");  // the design selection
  EXPECT_EQ(Open(&Form2::Option10, &Form2::Option2, true), "先攻人");
  EXPECT_EQ(Players(), std::pair(1, 0));
  EXPECT_EQ(Open(&Form2::Option9, &Form2::Option4, true), "後攻弱");
  EXPECT_EQ(Players(), std::pair(0, 3));
  EXPECT_EQ(Open(&Form2::Option10, &Form2::Option3, true), "先攻強");
  EXPECT_EQ(Players(), std::pair(2, 0));
  EXPECT_EQ(Open(&Form2::Option10, &Form2::Option1, true), "後攻中");
  EXPECT_EQ(Players(), std::pair(0, 0));
  EXPECT_EQ(Open(nullptr, nullptr, false), "先攻人");  // 後攻 with 人 is two people
}

TEST_F(MatchSettings, ClosingWithoutOkStoresNothing) {
  Open(&Form2::Option9, &Form2::Option3, true);
  EXPECT_EQ(Open(&Form2::Option10, &Form2::Option4, false), "先攻中");
  EXPECT_EQ(Players(), std::pair(0, 2));
  EXPECT_EQ(Open(nullptr, nullptr, false), "先攻中");
  EXPECT_FALSE(form.Dialog()->Loaded);
}

TEST_F(MatchSettings, TheNextGamePlaysTheChoice) {
  Open(&Form2::Option10, &Form2::Option2, true);
  form.menust_Click();
  EXPECT_EQ(ReadBoard(form)[3], "..RRR...");
  EXPECT_EQ(form.Turn, SideBlue);
  form.Toolbar1_ButtonClick(5);
  EXPECT_EQ(platform.ModalCount, 1);  // not during a game
}

}  // namespace
}  // namespace zeri::testing
