// Lays the four-piece start on an emptied board, red to move.
#include "window/form1.h"

namespace zeri {

void Form1::NewGame() {
  for (auto& cell : Koma) cell.Picture = Image8.Picture;

  Label3.Caption = "赤zeriるん発生";
  Image3.Picture = Image11.Picture;

  Koma[27].Picture = blueImage.Picture;
  Koma[28].Picture = redImage.Picture;
  Koma[35].Picture = redImage.Picture;
  Koma[36].Picture = blueImage.Picture;
  for (Int16 k : {27, 28, 35, 36}) Koma[k].Visible = true;

  Ban[4][4] = SideBlue;
  Ban[5][4] = SideRed;
  Ban[4][5] = SideRed;
  Ban[5][5] = SideBlue;

  Turn = SideRed;
  RedCount = 2;
  BlueCount = 2;
  Label5.Caption = std::to_string(RedCount);
  Label6.Caption = std::to_string(BlueCount);

  Image2.Visible = true;

  BoardActive = 1;
  GameOver = 0;
  PassFlag[SideRed] = 0;
  PassFlag[SideBlue] = 0;

  FindMoves();

  Image9.Visible = false;
  Image10.Visible = false;
}

}  // namespace zeri
