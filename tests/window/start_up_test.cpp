#include "window/flow_fixture.h"

namespace zeri::testing {
namespace {

using StartUp = FlowTest;

TEST_F(StartUp, OpensOnTheTitleScreen) {
  EXPECT_TRUE(InTitleState(form));
  EXPECT_FALSE(form.Image9.Visible || form.Image10.Visible);
  EXPECT_TRUE(form.mnunormal.Checked && form.menukabi.Checked && !form.menukai.Checked);
  EXPECT_TRUE(form.Timer1.Enabled);
  EXPECT_EQ(form.Timer1.Interval, 1000);
  EXPECT_EQ(form.WaitTime, 1000);
  EXPECT_EQ(form.AnimStep, 1);
  for (const auto& cell : form.Koma) EXPECT_TRUE(cell.Stretch);
}

}  // namespace
}  // namespace zeri::testing
