#include "support/game_fixture.h"

namespace zeri::testing {
namespace {

using Animation = void (Form1::*)(Int16&);

// Sizes in the order a picture passed through them, each with how many pumps it was shown for.
using Runs = std::vector<std::pair<int, int>>;

class CellAnimationTest : public GameTest {
 protected:
  static constexpr Int16 Cell = 42;

  // Runs the animation on one cell and returns the size at every pump; checks on the way that
  // the picture stays square and anchored at its top-left corner.
  std::vector<int> SizesAtPumps(Animation animate, std::function<void(int pump)> during = {}) {
    const auto left = form.Koma[Cell].Left, top = form.Koma[Cell].Top;
    std::vector<int> sizes;
    platform.OnPump = [&] {
      const ui::Image& cell = form.Koma[Cell];
      EXPECT_EQ(cell.Width, cell.Height);
      EXPECT_EQ(cell.Left, left);
      EXPECT_EQ(cell.Top, top);
      sizes.push_back(cell.Width);
      if (during) during(static_cast<int>(sizes.size()));
    };
    Int16 index = Cell;
    (form.*animate)(index);
    EXPECT_EQ(index, Cell);
    platform.OnPump = nullptr;
    return sizes;
  }
  // The side of the square picture, -1 when it is not square.
  int Size() const {
    const ui::Image& cell = form.Koma[Cell];
    return cell.Width == cell.Height ? cell.Width : -1;
  }
};

Runs RunsOf(const std::vector<int>& sizes) {
  Runs runs;
  for (int size : sizes) {
    if (!runs.empty() && runs.back().first == size)
      ++runs.back().second;
    else
      runs.emplace_back(size, 1);
  }
  return runs;
}

TEST_F(CellAnimationTest, StandardSpeedGrowsThroughEveryHalfSizeAndShrinksInQuarters) {
  Runs grow{{0, 1}}, shrink{{32, 1}};
  for (int size = 1; size <= 31; ++size) grow.emplace_back(size, 2);
  grow.emplace_back(32, 1);
  for (int size = 31; size >= 1; --size) shrink.emplace_back(size, 4);
  shrink.emplace_back(0, 3);

  EXPECT_EQ(RunsOf(SizesAtPumps(&Form1::ShrinkKoma)), shrink);
  EXPECT_EQ(Size(), 0);
  EXPECT_EQ(RunsOf(SizesAtPumps(&Form1::GrowKoma)), grow);
  EXPECT_EQ(Size(), 32);
}

TEST_F(CellAnimationTest, FastSpeedTakesEveryFourthStepAndShrinksOnlyToOne) {
  form.AnimStep = 4;
  std::vector<int> grow, shrink;
  for (int size = 0; size <= 30; size += 2) grow.push_back(size);
  for (int size = 32; size >= 1; --size) shrink.push_back(size);

  EXPECT_EQ(SizesAtPumps(&Form1::ShrinkKoma), shrink);
  EXPECT_EQ(Size(), 1);
  EXPECT_EQ(SizesAtPumps(&Form1::GrowKoma), grow);
  EXPECT_EQ(Size(), 32);
}

TEST_F(CellAnimationTest, FastestSetsTheFullSizeAtOnceAlsoAfterAShrinkItInterrupted) {
  const auto fastestFromPump10 = [&](int pump) { form.AnimOff = pump == 10 ? 1 : form.AnimOff; };
  EXPECT_EQ(SizesAtPumps(&Form1::ShrinkKoma, fastestFromPump10).size(), 128u);
  EXPECT_EQ(Size(), 0);
  EXPECT_TRUE(SizesAtPumps(&Form1::GrowKoma).empty());
  EXPECT_EQ(Size(), 32);

  form.Koma[Cell].Width = form.Koma[Cell].Height = 7;
  EXPECT_TRUE(SizesAtPumps(&Form1::ShrinkKoma).empty());
  EXPECT_EQ(Size(), 7);
  EXPECT_TRUE(SizesAtPumps(&Form1::GrowKoma).empty());
  EXPECT_EQ(Size(), 32);
}

TEST_F(CellAnimationTest, AnotherSpeedChosenMidwayAppliesFromTheNextAnimation) {
  const auto fastFromPump5 = [&](int pump) { form.AnimStep = pump == 5 ? 4 : form.AnimStep; };
  const auto standardFromPump5 = [&](int pump) { form.AnimStep = pump == 5 ? 1 : form.AnimStep; };
  EXPECT_EQ(SizesAtPumps(&Form1::GrowKoma, fastFromPump5).size(), 64u);
  EXPECT_EQ(SizesAtPumps(&Form1::ShrinkKoma, standardFromPump5).size(), 32u);
  EXPECT_EQ(Size(), 1);
  EXPECT_EQ(SizesAtPumps(&Form1::GrowKoma).size(), 64u);
}

}  // namespace
}  // namespace zeri::testing
