#include "support/game_fixture.h"

#include <algorithm>
#include <sstream>

namespace zeri::testing {

void SetBoard(Form1& form, const BoardRows& rows) {
  Int16 red = 0, blue = 0;
  for (int r = 1; r <= 8; ++r) {
    for (int c = 1; c <= 8; ++c) {
      const char cell = rows[r - 1].at(c - 1);
      Int16 value = CellEmpty;
      if (cell == 'R') value = SideRed, ++red;
      if (cell == 'B') value = SideBlue, ++blue;
      form.Ban[c][r] = value;
      ui::Image& picture = form.Koma[KomaIndex(c, r)];
      picture.Visible = value != CellEmpty;
      picture.Picture = value == SideRed    ? form.redImage.Picture
                        : value == SideBlue ? form.blueImage.Picture
                                            : form.Image8.Picture;
      picture.Width = picture.Height = 32;
    }
  }
  form.RedCount = red;
  form.BlueCount = blue;
}

BoardRows ReadBoard(const Form1& form) {
  BoardRows rows;
  for (int r = 1; r <= 8; ++r) {
    rows[r - 1].resize(8);
    for (int c = 1; c <= 8; ++c) {
      const Int16 value = form.Ban[c][r];
      rows[r - 1][c - 1] = value == SideRed ? 'R' : value == SideBlue ? 'B' : '.';
    }
  }
  return rows;
}

namespace {
bool IsRedPicture(const Form1& form, ui::Picture picture) {
  if (picture == form.Image4.Picture) return true;
  return std::any_of(form.Red.begin(), form.Red.end(),
                     [&](const ui::Image& frame) { return frame.Picture == picture; });
}
bool IsBluePicture(const Form1& form, ui::Picture picture) {
  if (picture == form.Image5.Picture) return true;
  return std::any_of(form.Blue.begin(), form.Blue.end(),
                     [&](const ui::Image& frame) { return frame.Picture == picture; });
}
}  // namespace

::testing::AssertionResult BorderEmpty(const Form1& form) {
  for (int c = 0; c <= BanBound; ++c)
    for (int r = 0; r <= BanBound; ++r)
      if ((c < 1 || c > 8 || r < 1 || r > 8) && form.Ban[c][r] != CellEmpty)
        return ::testing::AssertionFailure() << "border Ban(" << c << "," << r << ") is " << form.Ban[c][r];
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult BoardConsistent(const Form1& form) {
  if (auto border = BorderEmpty(form); !border) return border;
  int red = 0, blue = 0;
  for (int c = 1; c <= 8; ++c) {
    for (int r = 1; r <= 8; ++r) {
      const Int16 value = form.Ban[c][r];
      const ui::Image& picture = form.Koma[KomaIndex(c, r)];
      if (value != CellEmpty && value != SideRed && value != SideBlue)
        return ::testing::AssertionFailure() << "Ban(" << c << "," << r << ") holds " << value;
      if (picture.Visible != (value != CellEmpty))
        return ::testing::AssertionFailure() << "cell (" << c << "," << r << ") holds " << value
                                             << " but its picture is "
                                             << (picture.Visible ? "shown" : "hidden");
      if (value == SideRed) {
        ++red;
        if (!IsRedPicture(form, picture.Picture))
          return ::testing::AssertionFailure() << "red cell (" << c << "," << r << ") shows "
                                               << ui::PictureName(picture.Picture);
      }
      if (value == SideBlue) {
        ++blue;
        if (!IsBluePicture(form, picture.Picture))
          return ::testing::AssertionFailure() << "blue cell (" << c << "," << r << ") shows "
                                               << ui::PictureName(picture.Picture);
      }
    }
  }
  if (form.BoardActive == 1 && (form.RedCount != red || form.BlueCount != blue))
    return ::testing::AssertionFailure() << "counts " << form.RedCount << "/" << form.BlueCount
                                         << " but the board holds " << red << "/" << blue;
  return ::testing::AssertionSuccess();
}

std::vector<std::pair<int, int>> MoveList() {
  std::vector<std::pair<int, int>> moves;
  for (int k = 1; k <= sengen::MoveCount; ++k)
    moves.emplace_back(sengen::MoveListX[k], sengen::MoveListY[k]);
  return moves;
}

bool ListTailCleared() {
  for (int k = std::max<int>(sengen::MoveCount, 0) + 1; k <= 64; ++k)
    if (sengen::MoveListX[k] != 0 || sengen::MoveListY[k] != 0) return false;
  return true;
}

void PlayFrom(Form1& form, const BoardRows& rows, Int16 turn) {
  SetBoard(form, rows);
  form.BoardActive = 1;
  form.GameOver = 0;
  form.Turn = turn;
  form.PassFlag[SideRed] = form.PassFlag[SideBlue] = 0;
  form.NoMoveShown = 0;
  form.Label3.Caption = turn == SideRed ? "赤zeriるん発生" : "青zeriるん発生";
  form.Image3.Picture = turn == SideRed ? form.Image11.Picture : form.Image12.Picture;
}

std::string StateText(const Form1& form) {
  std::ostringstream text;
  for (const auto& row : ReadBoard(form)) text << row << '\n';
  for (int k = 0; k < 64; ++k) {
    const ui::Image& cell = form.Koma[k];
    text << "Koma" << k << (cell.Visible ? " shown " : " hidden ") << ui::PictureName(cell.Picture)
         << ' ' << cell.Width << 'x' << cell.Height << " at " << cell.Left << ',' << cell.Top
         << '\n';
  }
  text << "Turn " << form.Turn << " Move " << form.MoveX << ',' << form.MoveY << " Cursor "
       << form.CursorX << ',' << form.CursorY << " Counts " << form.RedCount << '/'
       << form.BlueCount << " PassFlag " << form.PassFlag[SideRed] << '/' << form.PassFlag[SideBlue]
       << " NoMoveShown " << form.NoMoveShown << " GameOver " << form.GameOver << " Busy "
       << form.Busy << " BoardActive " << form.BoardActive << " Anim " << form.AnimStep << '/'
       << form.AnimOff << '\n';
  text << "Status " << form.Label3.Caption << ' ' << ui::PictureName(form.Image3.Picture)
       << " Labels " << form.Label5.Caption << '/' << form.Label6.Caption << " Frame "
       << form.Image2.Visible << " at " << form.Image2.Left << ',' << form.Image2.Top
       << " EndIcons " << form.Image9.Visible << form.Image10.Visible << '\n';
  text << "Moves " << sengen::MoveCount << ':';
  for (int k = 1; k <= 64; ++k) text << ' ' << sengen::MoveListX[k] << sengen::MoveListY[k];
  return text.str();
}

void PlacePiece(Form1& form, int x, int y) {
  form.MoveX = static_cast<Int16>(x);
  form.MoveY = static_cast<Int16>(y);
  form.CursorX = static_cast<Int16>(x - 1);
  form.CursorY = static_cast<Int16>(y - 1);
  form.CountFlips();
  Int16 index = KomaIndex(x, y);
  form.Koma[index].Picture = form.Turn == SideRed ? form.redImage.Picture : form.blueImage.Picture;
  form.Ban[x][y] = form.Turn;
  form.Koma[index].Visible = true;
  form.GrowKoma(index);
}

void ApplyMove(Form1& form, int x, int y) {
  const Int16 mover = form.Turn;
  PlacePiece(form, x, y);
  form.FlipPieces();
  int flips = 0;
  for (int d = 1; d <= 8; ++d) flips += form.FlipCount[d];
  Int16& own = mover == SideRed ? form.RedCount : form.BlueCount;
  Int16& other = mover == SideRed ? form.BlueCount : form.RedCount;
  own = static_cast<Int16>(own + flips + 1);
  other = static_cast<Int16>(other - flips);
  form.PassFlag[mover] = 0;
  form.NoMoveShown = 0;
  form.Label5.Caption = std::to_string(form.RedCount);
  form.Label6.Caption = std::to_string(form.BlueCount);
  form.Turn = OtherSide(mover);
  form.FindMoves();
}

std::vector<std::string> GameTest::MessageTexts() const {
  std::vector<std::string> texts;
  for (const auto& message : platform.Messages) texts.push_back(message.Prompt);
  return texts;
}

int GameTest::CountMessages(const std::string& text) const {
  const auto texts = MessageTexts();
  return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

}  // namespace zeri::testing
