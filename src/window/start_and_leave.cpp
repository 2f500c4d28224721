// Between the title screen and a game: start, play again, return to the title.
#include "window/form1.h"

namespace zeri {

void Form1::RestoreTitle() {
  for (int c = 1; c <= 8; ++c) {
    for (int r = 1; r <= 8; ++r) {
      Koma[KomaIndex(c, r)].Visible = false;
      Ban[c][r] = CellEmpty;
    }
  }
  menust.Enabled = true;
  Image2.Visible = false;
  BoardActive = 0;
  Label5.Caption = "0";
  Label6.Caption = "0";
  Label3.Caption = ui::ApplicationTitle;
  Image3.Picture = Image8.Picture;
  menutai.Enabled = true;
  Toolbar1.Buttons[5].Enabled = true;
  Toolbar1.Buttons[2].Enabled = true;
  Toolbar1.Buttons[3].Enabled = false;
  menurest.Enabled = false;
}

void Form1::menust_Click() {
  // A move being unwound after a return to the title still owns the board.
  if (Busy == 1) return;
  NewGame();
  menust.Enabled = false;
  menutai.Enabled = false;
  Toolbar1.Buttons[5].Enabled = false;
  Toolbar1.Buttons[2].Enabled = false;
  Toolbar1.Buttons[3].Enabled = true;
  menurest.Enabled = true;
  try {
    ComputerOpening();
  } catch (const MoveAbandoned&) {
    EndAbandonedMove();
  }
}

void Form1::menurest_Click() {
  ui::MsgBoxRequest question;
  question.Prompt = "タイトルに戻りますか？？";
  question.Buttons = ui::MsgBoxButtons::YesNo;
  question.Icon = ui::MsgBoxIcon::Exclamation;
  question.DefaultButton = 1;
  question.Title = "zeri";
  if (platform_.MsgBox(question) != ui::MsgBoxAnswer::Yes) return;
  RestoreTitle();
  // A move in progress must not go on over the cleared board: the next pump abandons it.
  if (Busy == 1) MoveAbandonedFlag = 1;
}

void Form1::Image9_Click() {
  if (Busy == 1) return;
  RestoreTitle();
  menust_Click();
  Image9.Visible = false;
  Image10.Visible = false;
}

void Form1::Image10_Click() {
  menurest_Click();
  Image10.Visible = false;
  Image9.Visible = false;
}

// The title screen is already shown; only what the unwound move left half done remains.
void Form1::EndAbandonedMove() {
  for (auto& cell : Koma) {
    cell.Width = 32;
    cell.Height = 32;
  }
  MoveAbandonedFlag = 0;
  Busy = 0;
}

}  // namespace zeri
