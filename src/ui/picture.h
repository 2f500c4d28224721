// The game's pictures by name. A control's picture is one of these; copying it copies the picture.
#pragma once

#include <cstdint>
#include <string_view>

namespace zeri::ui {

enum class Picture : std::uint8_t {
  None,
  Board,           // the 600 x 600 board
  Mascot,          // yellow spotted blob: window icon, neutral status icon, blank cell
  RedGerm,         // red germ, base phase
  RedGermTurnA,    // red germ, further phases of its rotation
  RedGermTurnB,
  RedGermTurnC,
  BlueGerm,        // blue germ, base phase
  BlueGermTurnA,
  BlueGermTurnB,
  BlueGermTurnC,
  BlueGermTurnD,
  BlueGermTurnE,
  BlackStone,
  WhiteStone,
  CursorFrame,     // grey 3-pixel outline, transparent inside
  SignAgain,       // 再
  SignEnd,         // 終
  // 16 x 16 toolbar list pictures, in list order 1..9.
  ToolPawn,
  ToolPawnPromoted,
  ToolGreyBoard,
  ToolGreyBoardCrossed,
  ToolBoardCrossed,
  ToolBoard,
  ToolArrowTray,
  ToolVersusComputer,
  ToolVersusPerson,
  Count
};

// The resource name a real window loads the picture from; stable, so assets can be named after it.
std::string_view PictureName(Picture picture);

}  // namespace zeri::ui
