// A loaded main window on the headless platform, and helpers to lay and read boards as text rows.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ui/headless_platform.h"
#include "window/form1.h"

namespace zeri::testing {

// Eight rows, top row first, eight cells each: '.' empty, 'R' red, 'B' blue.
using BoardRows = std::array<std::string, 8>;

// Blue on (4,4) and (5,5), red on (5,4) and (4,5).
inline const BoardRows StartPosition{"........", "........", "........", "...BR...",
                                     "...RB...", "........", "........", "........"};
inline const BoardRows EmptyBoard{"........", "........", "........", "........",
                                  "........", "........", "........", "........"};

// Lays the position on the board with its pictures shown and the counts to match.
void SetBoard(Form1& form, const BoardRows& rows);
BoardRows ReadBoard(const Form1& form);

// Checks what must hold between events: the display invariant, the counts, the empty border.
::testing::AssertionResult BoardConsistent(const Form1& form);
// Checks only the empty border of Ban.
::testing::AssertionResult BorderEmpty(const Form1& form);

// The move list as (column, row) pairs.
std::vector<std::pair<int, int>> MoveList();
// Every entry of the move list past MoveCount is 0.
bool ListTailCleared();

// A game in progress on this position: turn to move and named in the status line, no side
// passed, no pass message shown.
void PlayFrom(Form1& form, const BoardRows& rows, Int16 turn);

// Everything a player could see or the game could read afterwards, as text, so that two states
// compare in one assertion and a difference shows where it lies. Scratch fields are left out.
std::string StateText(const Form1& form);

// The first half of a move by Turn on (x, y), as the board click and the computer do it: the
// cursor on the cell, the flips counted, the piece placed, shown and grown.
void PlacePiece(Form1& form, int x, int y);
// Plays (x, y) for Turn as every applied move does: the piece placed and grown, the captures
// turned, the counts, the mover's flags cleared, the turn passed and the next moves listed.
void ApplyMove(Form1& form, int x, int y);

class GameTest : public ::testing::Test {
 protected:
  GameTest() : form(platform) { form.Form_Load(); }

  // Texts of the message boxes shown so far.
  std::vector<std::string> MessageTexts() const;
  int CountMessages(const std::string& text) const;

  ui::HeadlessPlatform platform;
  Form1 form;
};

}  // namespace zeri::testing
