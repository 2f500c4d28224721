#include "computer/position_weight.h"

namespace zeri {

namespace {
// Rows top to bottom, columns left to right.
constexpr Int16 Rows[8][8] = {
    {10, 1, 4, 4, 4, 4, 1, 10},
    {1, 1, 2, 2, 2, 2, 1, 1},
    {4, 2, 3, 3, 3, 3, 2, 4},
    {4, 2, 3, 3, 3, 3, 2, 4},
    {4, 2, 3, 3, 3, 3, 2, 4},
    {4, 2, 3, 3, 3, 3, 2, 4},
    {1, 1, 2, 2, 2, 2, 1, 1},
    {10, 1, 4, 4, 4, 4, 1, 10},
};
}  // namespace

WeightTable PositionWeights() {
  WeightTable weight{};
  for (int c = 1; c <= 8; ++c)
    for (int r = 1; r <= 8; ++r) weight[c][r] = Rows[r - 1][c - 1];
  return weight;
}

}  // namespace zeri
