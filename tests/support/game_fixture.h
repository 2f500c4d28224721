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

// Lays the position on the board with its pictures shown and the counts to match.
void SetBoard(Form1& form, const BoardRows& rows);
BoardRows ReadBoard(const Form1& form);

// Checks what must hold between events: the display invariant, the counts, the empty border.
::testing::AssertionResult BoardConsistent(const Form1& form);
// Checks only the empty border of Ban.
::testing::AssertionResult BorderEmpty(const Form1& form);

// The move list as (column, row) pairs.
std::vector<std::pair<int, int>> MoveList();

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
