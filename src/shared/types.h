// Shared types and constants of the game: side codes, player settings, directions, cell indices.
#pragma once

#include <array>
#include <cstdint>

namespace zeri {

// Whole numbers of the game are 16-bit, as the board and counters never come near the limit.
using Int16 = std::int16_t;

// Cell values of the board and the side to move.
inline constexpr Int16 CellEmpty = 0;
inline constexpr Int16 SideRed = 1;
inline constexpr Int16 SideBlue = 10;

// Who plays a side.
inline constexpr Int16 PlayerHuman = 0;
inline constexpr Int16 PlayerWeak = 1;
inline constexpr Int16 PlayerMedium = 2;
inline constexpr Int16 PlayerStrong = 3;

// Board bounds: cells 1..8, with an empty border ring up to index 10 so walks stop by themselves.
inline constexpr int BoardSize = 8;
inline constexpr int BanBound = 10;

struct DirStep {
  Int16 dx;
  Int16 dy;
};

// Directions 1..8 in reading order around a cell; entry 0 is unused.
inline constexpr std::array<DirStep, 9> DirIndex{{
    {0, 0}, {-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}};

// The cell picture of cell (column c, row r), both 1..8.
constexpr Int16 KomaIndex(int c, int r) { return static_cast<Int16>((r - 1) * 8 + (c - 1)); }

constexpr Int16 OtherSide(Int16 side) { return side == SideRed ? SideBlue : SideRed; }

}  // namespace zeri
