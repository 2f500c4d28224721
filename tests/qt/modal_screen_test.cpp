// While a message box is up, the screen beneath it shows the model as it stands.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "shared/sengen.h"
#include "support/game_fixture.h"
#include "window_fixture.h"

namespace zeri::qt::testing {
namespace {

using zeri::testing::BoardRows;

class ModalScreen : public WindowTest {
 protected:
  // The client area as last painted to the screen, unlike a grab, which draws the model afresh.
  QImage OnScreen() {
    const QPoint at = window.Client().mapTo(&window, QPoint());
    return window.screen()
        ->grabWindow(window.winId(), at.x(), at.y(), Form1::ClientWidth, Form1::ClientHeight)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }

  // Two people play from this position; the side to move plays (column, row). Each message box is
  // answered once it is up; returns its text, marked when the screen under it was behind the model.
  std::vector<std::string> Play(const BoardRows& rows, Int16 turn, int column, int row) {
    sengen::RedPlayer = sengen::BluePlayer = PlayerHuman;
    Run([this] { form.menust_Click(); });
    Run([this] { form.mnuhae_Click(); });
    zeri::testing::PlayFrom(form, rows, turn);
    window.Sync();
    std::vector<std::string> boxes;
    QTimer poll;
    poll.callOnTimeout([&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      boxes.push_back(box->text().toStdString() + (OnScreen() == Grab() ? "" : " over a stale screen"));
      box->buttons().front()->click();
    });
    poll.start(1);
    // The pointer on the cell, as tracking leaves it.
    form.MoveX = static_cast<Int16>(column);
    form.MoveY = static_cast<Int16>(row);
    form.CursorX = static_cast<Int16>(column - 1);
    form.CursorY = static_cast<Int16>(row - 1);
    Run([this] { form.Image2_Click(); });
    return boxes;
  }
};

TEST_F(ModalScreen, GameOverBoxStandsOverTheFinalCountersAndStatus) {
  const BoardRows fullButOne{"RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR",
                             "RRRRRRRR", "RRRRRRRR", "RRRRRRBB", "RRRRRRB."};
  EXPECT_EQ(Play(fullButOne, SideRed, 8, 8), std::vector<std::string>{"げ－むしゅ－りょ－。"});
  EXPECT_EQ(form.RedCount, 64);
}

TEST_F(ModalScreen, PassBoxStandsOverTheCountersOfTheMoveThatForcedIt) {
  const BoardRows blueCannotAnswer{"BBBBBBBB", "B.BBBBBB", "B.BBBBBB", "BBBBBBRB",
                                   "B.BBBBBB", "BBBBBBBB", "BBBBRBBB", ".BBRBBBB"};
  EXPECT_EQ(Play(blueCannotAnswer, SideRed, 1, 8), std::vector<std::string>{"もうおけましぇ～ん！！！"});
  EXPECT_EQ(form.Turn, SideRed);
}

}  // namespace
}  // namespace zeri::qt::testing
