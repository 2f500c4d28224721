// The options menu: animation speed, stopping the rotation, the piece pictures.
#include "window/form1.h"

namespace zeri {

namespace {
// The speeds are a radio group: exactly one carries the check mark.
void CheckSpeed(Form1& form, const ui::MenuItem& chosen) {
  for (ui::MenuItem* item : {&form.mnunormal, &form.mnuhaya, &form.mnuhae})
    item->Checked = item == &chosen;
}
}  // namespace

void Form1::mnunormal_Click() {
  AnimStep = 1;
  AnimOff = 0;
  CheckSpeed(*this, mnunormal);
}

void Form1::mnuhaya_Click() {
  AnimStep = 4;
  AnimOff = 0;
  CheckSpeed(*this, mnuhaya);
}

// AnimStep is not read while the animation is off, so it keeps the last speed.
void Form1::mnuhae_Click() {
  AnimOff = 1;
  CheckSpeed(*this, mnuhae);
}

void Form1::menukai_Click() {
  if (menukai.Checked) {
    menukai.Checked = false;
    Timer1.Enabled = true;
  } else {
    menukai.Checked = true;
    Timer1.Enabled = false;
  }
}

void Form1::menukabi_Click() {
  menukabi.Checked = true;
  menugo.Checked = false;
  redImage.Picture = Red[0].Picture;
  blueImage.Picture = Blue[0].Picture;
  menukai.Checked = false;
  Timer1.Enabled = true;
}

// Stones do not rotate, so the timer stops with them.
void Form1::menugo_Click() {
  menukabi.Checked = false;
  menugo.Checked = true;
  redImage.Picture = Image4.Picture;
  blueImage.Picture = Image5.Picture;
  menukai.Checked = true;
  Timer1.Enabled = false;
}

}  // namespace zeri
