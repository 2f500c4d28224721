// Drives the main window as a user does, with the checks that must hold after every event.
#pragma once

#include "support/game_fixture.h"

namespace zeri::testing {

// The pointer position in twips over the centre of cell (column, row), both 1..8.
float CellCentreTwips(int index);

// The command states of the title screen, or of a game on the board.
::testing::AssertionResult TitleCommands(const Form1& form);
::testing::AssertionResult GameCommands(const Form1& form);
// The whole title screen: empty board and hidden pictures, status line, counters, commands.
::testing::AssertionResult InTitleState(const Form1& form);

// Where the cursor frame stands, (left, top) in pixels.
inline std::pair<int, int> FramePlace(const Form1& form) { return {form.Image2.Left, form.Image2.Top}; }
// The two counters as shown, red first.
inline std::string Counters(const Form1& form) { return form.Label5.Caption + "/" + form.Label6.Caption; }

class FlowTest : public GameTest {
 protected:
  void PointAt(int column, int row);
  // Points at the cell and clicks the frame; then no move may be under way and the board must agree.
  void Click(int column, int row);
  // Starts a game with these players through the start command.
  void Start(Int16 red, Int16 blue);
  // Clicks the first legal move of the side to move; false once the game is over.
  bool PlayFirstMove();
  // Everything runs without animation, so the only pumps are the click's own.
  void Fastest() { form.mnuhae_Click(); }
};

}  // namespace zeri::testing
