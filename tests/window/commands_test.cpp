// The menu bar, the toolbar and the option commands.
#include "settings/form2.h"
#include "window/flow_fixture.h"

namespace zeri::testing {
namespace {

using Commands = FlowTest;

// Captions in display order, "-" for a separator, "[...]" around a submenu's children, "*" checked.
std::string Describe(const std::vector<MenuNode>& nodes) {
  std::string text;
  for (const MenuNode& node : nodes) {
    text += node.Item->Separator ? "-" : node.Item->Caption;
    if (node.Item->Checked) text += "*";
    if (!node.Children.empty()) text += "[" + Describe(node.Children) + "]";
    text += " ";
  }
  return text;
}

MenuNode* Find(std::vector<MenuNode>& nodes, const std::string& name) {
  for (MenuNode& node : nodes) {
    if (node.Item->Name == name) return &node;
    if (MenuNode* inner = Find(node.Children, name)) return inner;
  }
  return nullptr;
}

TEST_F(Commands, MenuTreeInDisplayOrderBoundToTheHandlers) {
  auto tree = form.MenuTree();
  EXPECT_EQ(Describe(tree),
            "げーむ[開始 対戦相手 - タイトルに戻る - 終了 ] "
            "おぷしょん[菌の反転設定[標準* 速い 最速 ] 菌の回転を止める 菌の種類を代える[カビ菌* 碁石 ] ] "
            "へるぷ[ヘルプ - バージョン ] ");
  Find(tree, "menust")->Click();
  EXPECT_EQ(form.BoardActive, 1);
  Find(tree, "mnuhaya")->Click();
  EXPECT_EQ(form.AnimStep, 4);
  Find(tree, "menuvarj")->Click();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"zeri for Windows\nVersion 1.0"});
  EXPECT_EQ(platform.Messages[0].Title, std::nullopt);
  EXPECT_EQ(platform.Messages[0].Buttons, ui::MsgBoxButtons::OkOnly);
  EXPECT_EQ(platform.Messages[0].Icon, ui::MsgBoxIcon::None);
  EXPECT_THROW(Find(tree, "menuen")->Click(), ui::ProgramEnded);
}

TEST_F(Commands, SpeedsFormARadioGroup) {
  auto marks = [&] {
    return std::string(form.mnunormal.Checked ? "N" : "") + (form.mnuhaya.Checked ? "H" : "") +
           (form.mnuhae.Checked ? "M" : "") + std::to_string(form.AnimStep) + std::to_string(form.AnimOff);
  };
  form.mnuhaya_Click();
  EXPECT_EQ(marks(), "H40");
  form.mnuhae_Click();
  EXPECT_EQ(marks(), "M41");  // the fast step is kept, unused
  form.mnunormal_Click();
  EXPECT_EQ(marks(), "N10");
  form.mnuhae_Click();
  form.mnuhaya_Click();
  EXPECT_EQ(marks(), "H40");
}

TEST_F(Commands, SpeedChosenDuringAFlipAppliesFromTheNextAnimation) {
  Start(PlayerHuman, PlayerHuman);
  PointAt(3, 4);
  platform.OnPump = [&] {
    if (form.Ban[4][4] == SideRed && form.Koma[27].Width == 16) form.mnuhae_Click();
  };
  form.Image2_Click();
  EXPECT_EQ(form.Koma[27].Width, 32);  // the shrink ran on, the grow was skipped
  EXPECT_EQ(platform.PumpCount, 64 + 1 + 128);
}

TEST_F(Commands, RotationToggleAndPieceSets) {
  form.menukai_Click();
  EXPECT_TRUE(form.menukai.Checked);
  EXPECT_FALSE(form.Timer1.Enabled);
  form.menukai_Click();
  EXPECT_FALSE(form.menukai.Checked);
  EXPECT_TRUE(form.Timer1.Enabled);

  form.menugo_Click();
  EXPECT_TRUE(form.menugo.Checked && !form.menukabi.Checked && form.menukai.Checked);
  EXPECT_FALSE(form.Timer1.Enabled);
  EXPECT_EQ(form.redImage.Picture, ui::Picture::BlackStone);
  EXPECT_EQ(form.blueImage.Picture, ui::Picture::WhiteStone);
  form.menukabi_Click();
  EXPECT_TRUE(form.menukabi.Checked && !form.menugo.Checked && !form.menukai.Checked);
  EXPECT_TRUE(form.Timer1.Enabled);
  EXPECT_EQ(form.redImage.Picture, form.Red[0].Picture);
  EXPECT_EQ(form.blueImage.Picture, form.Blue[0].Picture);
  form.menukai_Click();
  form.menukabi_Click();  // chosen again, it restarts the stopped rotation
  EXPECT_TRUE(form.Timer1.Enabled);
}

TEST_F(Commands, StonesChosenDuringTheFlipsShowFromTheNextPiece) {
  Start(PlayerHuman, PlayerHuman);
  SetBoard(form, {"........", "........", "...R....", "...B....",
                  "...B....", "....BR..", "........", "........"});
  PointAt(4, 6);  // turns (4,5), (4,4) upwards, then (5,6) to the right
  platform.OnPump = [&] {
    if (form.Ban[4][4] == SideRed && !form.menugo.Checked) form.menugo_Click();
  };
  form.Image2_Click();
  EXPECT_EQ(form.Koma[KomaIndex(4, 6)].Picture, ui::Picture::RedGerm);
  EXPECT_EQ(form.Koma[KomaIndex(4, 5)].Picture, ui::Picture::RedGerm);
  EXPECT_EQ(form.Koma[KomaIndex(4, 4)].Picture, ui::Picture::BlackStone);
  EXPECT_EQ(form.Koma[KomaIndex(5, 6)].Picture, ui::Picture::BlackStone);
  EXPECT_TRUE(BoardConsistent(form));
}

TEST_F(Commands, ToolbarDispatchHelpAndDialog) {
  form.Toolbar1_ButtonClick(1);
  form.Toolbar1_ButtonClick(4);
  EXPECT_EQ(form.BoardActive, 0);
  EXPECT_EQ(platform.ModalCount, 0);
  form.Toolbar1_ButtonClick(5);
  form.menutai_Click();
  EXPECT_EQ(platform.ModalCount, 2);
  ASSERT_NE(form.Dialog(), nullptr);
  const Form2* first = form.Dialog();
  form.menutai_Click();
  EXPECT_EQ(form.Dialog(), first);  // created once, kept for the run

  form.menufe_Click();
  ASSERT_EQ(platform.HelpCalls.size(), 1u);
  EXPECT_EQ(platform.HelpCalls[0].File, "zeri.HLP");
  EXPECT_EQ(platform.HelpCalls[0].Command, ui::HelpContents);
}

}  // namespace
}  // namespace zeri::testing
