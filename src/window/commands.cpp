// The game menu's other commands, help, the About box and the toolbar.
#include "settings/form2.h"
#include "window/form1.h"

namespace zeri {

void Form1::menutai_Click() {
  if (!form2_) form2_ = std::make_unique<Form2>();
  form2_->Form_Load();
  platform_.ShowModal(*form2_);
}

void Form1::menuen_Click() { platform_.End(); }

void Form1::menufe_Click() {
  CommonDialog1.HelpCommand = ui::HelpContents;
  platform_.ShowHelp(CommonDialog1.HelpFile, CommonDialog1.HelpCommand);
}

void Form1::menuvarj_Click() { ShowMessage("zeri for Windows\nVersion 1.0"); }

void Form1::Toolbar1_ButtonClick(Int16 ButtonIndex) {
  // A disabled button reports nothing, whatever the platform delivers.
  if (ButtonIndex < 1 || ButtonIndex > 5 || !Toolbar1.Buttons[ButtonIndex].Enabled) return;
  if (ButtonIndex == 2) {
    menust_Click();
  } else if (ButtonIndex == 3) {
    menurest_Click();
  } else if (ButtonIndex == 5) {
    menutai_Click();
  }
}

}  // namespace zeri
