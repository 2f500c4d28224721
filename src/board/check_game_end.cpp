// Ends the game once: when neither side could move or every cell is taken.
#include "window/form1.h"

namespace zeri {

void Form1::CheckGameEnd() {
  const bool bothPassed = PassFlag[SideRed] == 1 && PassFlag[SideBlue] == 1;
  const bool boardFull = RedCount + BlueCount == 64;
  if (!bothPassed && !boardFull) return;
  if (GameOver != 0) return;

  ShowMessage("げ－むしゅ－りょ－。");

  const int difference = RedCount - BlueCount;
  if (difference > 0) {
    Label3.Caption = "勝菌：赤zeriるん";
    Image3.Picture = Image11.Picture;
  } else if (difference < 0) {
    Label3.Caption = "勝菌：青zeriるん";
    Image3.Picture = Image12.Picture;
  } else {
    Label3.Caption = "両菌相打ち";
    Image3.Picture = Image8.Picture;
  }
  GameOver = 1;
}

void Form1::ShowMessage(const std::string& text) {
  ui::MsgBoxRequest request;
  request.Prompt = text;
  platform_.MsgBox(request);
}

}  // namespace zeri
