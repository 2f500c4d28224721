// What every applied move shows: the placing sound, the side to move next, the two counters.
#include "window/form1.h"
#include "window/multimedia32.h"

namespace zeri {

void Form1::PlaySideSound(Int16 side) {
  Multimedia32::PlaySoundFile(platform_, side == SideRed ? "sd1.dat" : "sd2.dat", 0);
}

void Form1::ShowNextSide(Int16 mover) {
  if (mover == SideRed) {
    Image3.Picture = Image12.Picture;
    Label3.Caption = "青zeriるん発生";
  } else {
    Image3.Picture = Image11.Picture;
    Label3.Caption = "赤zeriるん発生";
  }
}

void Form1::ShowCounts(bool blueFirst) {
  if (blueFirst) {
    Label6.Caption = std::to_string(BlueCount);
    Label5.Caption = std::to_string(RedCount);
  } else {
    Label5.Caption = std::to_string(RedCount);
    Label6.Caption = std::to_string(BlueCount);
  }
}

}  // namespace zeri
