// Lists the legal moves of the side to move and carries out a pass when it has none.
#include "window/form1.h"

namespace zeri {

using sengen::MoveCount;
using sengen::MoveListX;
using sengen::MoveListY;

// Counts into DirCount what a piece of Turn on (LoopX, LoopY) would flank, by the capture rule.
void Form1::FlankTest() {
  for (Int16 d = 1; d <= 8; ++d)
    DirCount[d] = static_cast<Int16>(DirCount[d] + FlankedAlong(LoopX, LoopY, d, ChkX, ChkY));
}

void Form1::ListMoves() {
  MoveCount = 0;
  for (LoopJ = 1; LoopJ <= 8; ++LoopJ) DirCount[LoopJ] = 0;
  for (LoopX = 1; LoopX <= 8; ++LoopX) {
    for (LoopY = 1; LoopY <= 8; ++LoopY) {
      if (Ban[LoopX][LoopY] == CellEmpty) {
        FlankTest();
        int flanked = 0;
        for (Int16 d = 1; d <= 8; ++d) flanked += DirCount[d];
        if (flanked > 0) {
          ++MoveCount;
          MoveListX[MoveCount] = LoopX;
          MoveListY[MoveCount] = LoopY;
        }
      }
      for (LoopJ = 0; LoopJ <= 8; ++LoopJ) DirCount[LoopJ] = 0;
    }
  }
}

namespace {
void ClearMoveList(Int16& counter) {
  for (counter = 1; counter <= 64; ++counter) {
    MoveListX[counter] = 0;
    MoveListY[counter] = 0;
  }
}
}  // namespace

void Form1::FindMoves() {
  ClearMoveList(LoopI);
  if (RedCount + BlueCount != 64 && GameOver == 0) {
    ListMoves();
    if (MoveCount == 0) {
      PassFlag[Turn] = 1;
      if (Turn == SideRed) {
        Turn = SideBlue;
        Image3.Picture = Image12.Picture;
        Label3.Caption = "青zeriるん発生";
      } else {
        Turn = SideRed;
        Image3.Picture = Image11.Picture;
        Label3.Caption = "赤zeriるん発生";
      }
    } else {
      PassFlag[Turn] = 0;
    }
    if (PassFlag[SideRed] == 1) {
      ScanMovesAfterPass();
      Turn = SideBlue;
    }
    if (PassFlag[SideBlue] == 1) {
      ScanMovesAfterPass();
      Turn = SideRed;
    }
  }
  CheckGameEnd();
}

void Form1::ScanMovesAfterPass() {
  ClearMoveList(LoopI);
  ListMoves();
  if (MoveCount == 0) {
    PassFlag[Turn] = 1;
  } else if (NoMoveShown == 0) {
    ShowMessage("もうおけましぇ～ん！！！");
    NoMoveShown = 1;
  }
}

}  // namespace zeri
