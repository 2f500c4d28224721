// The match-settings dialog: who plays against the person at the board, and who moves first.
#pragma once

#include <string>

#include "shared/types.h"
#include "ui/controls.h"

namespace zeri {

class Form2 {
 public:
  Form2();

  std::string Caption = "対戦設定";
  static constexpr int ClientWidth = 447;
  static constexpr int ClientHeight = 342;

  ui::Frame Frame3;                 // order of play
  ui::OptionButton Option9, Option10;
  ui::Frame Frame1;                 // opponent
  ui::OptionButton Option1, Option2, Option3, Option4;
  ui::CommandButton Command1;

  // True from the load at each opening until the dialog is unloaded.
  bool Loaded = false;

  // Loads the dialog for an opening: the design selection, then the stored players.
  void Form_Load();
  // OK: stores the choice in the player settings and unloads the dialog.
  void Command1_Click();
  // Selects an option button and clears the others of its frame, as a click on it does.
  void Select(ui::OptionButton& option);
  // Closes the dialog without storing anything.
  void Unload();

 private:
  bool InFrame3(const ui::OptionButton& option) const;
};

}  // namespace zeri
