// The load step: from the designed controls to the title screen.
#include "window/form1.h"

namespace zeri {

void Form1::Form_Load() {
  Image2.Visible = false;
  BoardActive = 0;
  WaitTime = 1000;
  Toolbar1.Buttons[3].Enabled = false;
  menurest.Enabled = false;
  for (auto& cell : Koma) cell.Stretch = true;
  sengen::RedPlayer = PlayerHuman;
  sengen::BluePlayer = PlayerHuman;
  AnimStep = 1;
}

}  // namespace zeri
