// The board click: a person's move on the tracked cell, the computer's replies, the closing steps.
#include "window/form1.h"

namespace zeri {

namespace {
bool OnGrid(Int16 cell) { return cell >= 0 && cell <= 7; }
}  // namespace

void Form1::Image2_Click() {
  if (Busy == 1) return;
  // The frame is hidden on the title screen; a stray click there must not list moves for no side.
  if (BoardActive != 1) return;
  try {
    // Before the first pointer move, and after the computer's opening, the two cell pairs disagree;
    // such a click names no tracked cell and places nothing.
    const bool tracked = MoveX == CursorX + 1 && MoveY == CursorY + 1;
    Int16 flips = 0;
    if (tracked && OnGrid(CursorX) && OnGrid(CursorY) && !Koma[CursorY * 8 + CursorX].Visible) {
      CountFlips();
      for (Int16 d = 1; d <= 8; ++d) flips = static_cast<Int16>(flips + FlipCount[d]);
    }
    if (flips >= 1) {
      Busy = 1;
      const Int16 mover = Turn;
      const Int16 other = OtherSide(mover);
      Int16 idx = static_cast<Int16>(CursorY * 8 + CursorX);
      Koma[idx].Picture = mover == SideRed ? redImage.Picture : blueImage.Picture;
      Ban[MoveX][MoveY] = mover;
      Koma[idx].Visible = true;
      GrowKoma(idx);
      DoEvents();
      PlaySideSound(mover);
      FlipPieces();

      ShowNextSide(mover);
      Int16& moverCount = mover == SideRed ? RedCount : BlueCount;
      Int16& otherCount = mover == SideRed ? BlueCount : RedCount;
      moverCount = static_cast<Int16>(moverCount + flips);
      otherCount = static_cast<Int16>(otherCount - flips);
      moverCount = static_cast<Int16>(moverCount + 1);
      PassFlag[mover] = 0;
      NoMoveShown = 0;
      ShowCounts(mover == SideRed);

      CheckGameEnd();
      if (GameOver == 0) {
        Turn = other;
        FindMoves();
        ComputerReplies(mover);
      }
    }
    FindMoves();
    CheckGameEnd();
    if (GameOver == 1) ShowEndButtons();
    Busy = 0;
  } catch (const MoveAbandoned&) {
    EndAbandonedMove();
  }
}

// The computer answers for as long as it is to move: again and again while the person must pass.
void Form1::ComputerReplies(Int16 person) {
  const Int16 computer = OtherSide(person);
  const Int16 level = computer == SideRed ? sengen::RedPlayer : sengen::BluePlayer;
  while (level >= PlayerWeak && Turn == computer && GameOver == 0) {
    Label3.Caption = "コンピュータ思考中";
    DoEvents();
    platform_.Sleep(WaitTime);
    PlaySideSound(computer);
    switch (level) {
      case PlayerWeak: ComputerMoveLevel1(); break;
      case PlayerMedium: ComputerMoveLevel2(); break;
      case PlayerStrong: ComputerMoveLevel3(); break;
      default: return;  // no strength beyond the three
    }
    if (PassFlag[person] != 1) {
      CheckGameEnd();
      return;
    }
  }
}

void Form1::ShowEndButtons() {
  Image9.Visible = true;
  Image10.Visible = true;
}

}  // namespace zeri
