#include "support/game_fixture.h"

#include <algorithm>

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
