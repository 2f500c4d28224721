// How much the computer likes each cell, whatever the position: corners most, their
// neighbours least.
#pragma once

#include <array>

#include "shared/types.h"

namespace zeri {

// Indexed [column][row], both 1..8; index 0 is unused.
using WeightTable = std::array<std::array<Int16, 9>, 9>;

// A fresh table on every call: nothing of it outlives one computer move.
WeightTable PositionWeights();

}  // namespace zeri
