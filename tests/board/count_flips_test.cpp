#include "support/game_fixture.h"

namespace zeri::testing {
namespace {

class CountFlipsTest : public GameTest {
 protected:
  std::array<Int16, 9> Count(Int16 side, int x, int y) {
    form.Turn = side;
    form.MoveX = static_cast<Int16>(x);
    form.MoveY = static_cast<Int16>(y);
    form.CountFlips();
    return form.FlipCount;
  }
};

const BoardRows StartPosition{"........", "........", "........", "...BR...",
                              "...RB...", "........", "........", "........"};

TEST_F(CountFlipsTest, StartPositionCountsOneDirectionPerMove) {
  SetBoard(form, StartPosition);
  EXPECT_EQ(Count(SideRed, 3, 4), (std::array<Int16, 9>{0, 0, 0, 0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(Count(SideRed, 4, 3), (std::array<Int16, 9>{0, 0, 0, 0, 0, 0, 0, 1, 0}));
  EXPECT_EQ(Count(SideRed, 6, 5), (std::array<Int16, 9>{0, 0, 0, 0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(Count(SideRed, 5, 6), (std::array<Int16, 9>{0, 0, 1, 0, 0, 0, 0, 0, 0}));
}

TEST_F(CountFlipsTest, OffTheBoardCountsNothingAndStaysInBounds) {
  SetBoard(form, StartPosition);
  for (int x : {-3, 0, 9, 10, 11})
    for (int y : {-3, 0, 1, 9, 10}) {
      const auto counts = Count(SideRed, x, y);
      for (int d = 1; d <= 8; ++d) EXPECT_EQ(counts[d], 0) << x << "," << y << " dir " << d;
    }
  EXPECT_TRUE(BorderEmpty(form));
}

}  // namespace
}  // namespace zeri::testing
