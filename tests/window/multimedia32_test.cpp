#include "window/multimedia32.h"

#include <gtest/gtest.h>

#include "ui/headless_platform.h"

namespace zeri {
namespace {

using Multimedia32::PlaySoundFile;

TEST(PlaySoundFileTest, EmptyNameNeverReachesThePlatform) {
  ui::HeadlessPlatform platform;
  EXPECT_EQ(PlaySoundFile(platform, "", 0), 0);
  EXPECT_EQ(PlaySoundFile(platform, "", 1), 0);
  EXPECT_TRUE(platform.Sounds.empty());
}

TEST(PlaySoundFileTest, ModeSelectsTheFlags) {
  const std::pair<Int16, std::uint32_t> cases[] = {{0, 19}, {1, 27}, {2, 0}, {-1, 0}, {16, 0}};
  for (const auto& [mode, flags] : cases) {
    ui::HeadlessPlatform platform;
    PlaySoundFile(platform, "sd2.dat", mode);
    ASSERT_EQ(platform.Sounds.size(), 1u);
    EXPECT_EQ(platform.Sounds[0].Flags, flags) << "mode " << mode;
    EXPECT_EQ(platform.Sounds[0].Name, "sd2.dat");
  }
}

TEST(PlaySoundFileTest, MissingFileIsSilentAndBlocksNothing) {
  ui::HeadlessPlatform platform;
  EXPECT_EQ(PlaySoundFile(platform, "sd3.dat", 0), 0);
  EXPECT_NE(PlaySoundFile(platform, "sd1.dat", 0), 0);
}

TEST(PlaySoundFileTest, SecondSoundIsDroppedWhileTheFirstPlays) {
  ui::HeadlessPlatform platform;
  EXPECT_NE(PlaySoundFile(platform, "sd1.dat", 0), 0);
  EXPECT_EQ(PlaySoundFile(platform, "sd2.dat", 0), 0);
  platform.AdvanceClock(platform.SoundFiles["sd1.dat"] - 1);
  EXPECT_EQ(PlaySoundFile(platform, "sd2.dat", 0), 0);
  platform.AdvanceClock(1);
  EXPECT_NE(PlaySoundFile(platform, "sd2.dat", 0), 0);
}

}  // namespace
}  // namespace zeri
