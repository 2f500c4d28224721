#include "settings/form2.h"

#include <utility>

#include "shared/sengen.h"

namespace zeri {

namespace {
ui::OptionButton MakeOption(std::string caption, std::int16_t left, std::int16_t top,
                            std::int16_t width, std::int16_t height) {
  ui::OptionButton option;
  option.Caption = std::move(caption);
  option.Left = left;
  option.Top = top;
  option.Width = width;
  option.Height = height;
  return option;
}
}  // namespace

Form2::Form2() {
  Frame3 = {"先後", 64, 48, 113, 137};
  Option9 = MakeOption("先攻", 16, 32, 81, 33);
  Option10 = MakeOption("後攻", 16, 80, 81, 33);
  Frame1 = {"対戦相手", 224, 40, 129, 225};
  Option1 = MakeOption("人", 16, 24, 89, 33);
  Option2 = MakeOption("弱", 16, 72, 89, 33);
  Option3 = MakeOption("中", 16, 120, 89, 33);
  Option4 = MakeOption("強", 16, 168, 89, 33);
  Command1 = {"OK", 344, 280, 81, 33, false};
  // The design selection: the person moves first against another person.
  Option9.Value = true;
  Option1.Value = true;
}

bool Form2::InFrame3(const ui::OptionButton& option) const {
  return &option == &Option9 || &option == &Option10;
}

void Form2::Select(ui::OptionButton& option) {
  if (InFrame3(option)) {
    Option9.Value = false;
    Option10.Value = false;
  } else {
    for (ui::OptionButton* other : {&Option1, &Option2, &Option3, &Option4}) other->Value = false;
  }
  option.Value = true;
}

void Form2::Form_Load() {
  Loaded = true;
  Select(Option9);
  Select(Option1);
  ui::OptionButton* const levels[] = {&Option1, &Option2, &Option3, &Option4};
  const Int16 red = sengen::RedPlayer;
  const Int16 blue = sengen::BluePlayer;
  if (red == PlayerHuman) {
    Select(Option9);
    if (blue >= PlayerHuman && blue <= PlayerStrong) Select(*levels[blue]);
  } else {
    Select(Option10);
    if (red >= PlayerWeak && red <= PlayerStrong) Select(*levels[red]);
  }
}

void Form2::Command1_Click() {
  const bool personFirst = Option9.Value;
  Int16 level = PlayerHuman;
  if (Option2.Value) level = PlayerWeak;
  if (Option3.Value) level = PlayerMedium;
  if (Option4.Value) level = PlayerStrong;
  if (personFirst) {
    sengen::BluePlayer = level;
    sengen::RedPlayer = PlayerHuman;
  } else {
    sengen::RedPlayer = level;
    sengen::BluePlayer = PlayerHuman;
  }
  Unload();
}

void Form2::Unload() { Loaded = false; }

}  // namespace zeri
