#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "support/repo_files.h"

namespace zeri::testing {
namespace {

namespace fs = std::filesystem;

std::uint32_t ReadLE(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

struct Wave {
  std::vector<std::int16_t> samples;
};

// Reads a canonical 16-bit mono PCM 22050 Hz WAVE file, failing on any other layout.
::testing::AssertionResult ParseWave(const std::string& bytes, Wave& wave) {
  if (bytes.size() < 44) return ::testing::AssertionFailure() << "too short: " << bytes.size();
  if (bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 8, "WAVEfmt ") != 0 ||
      bytes.compare(36, 4, "data") != 0)
    return ::testing::AssertionFailure() << "not a canonical RIFF WAVE layout";
  if (ReadLE(bytes, 4, 4) != bytes.size() - 8) return ::testing::AssertionFailure() << "RIFF size";
  if (ReadLE(bytes, 16, 4) != 16 || ReadLE(bytes, 20, 2) != 1 || ReadLE(bytes, 22, 2) != 1 ||
      ReadLE(bytes, 24, 4) != 22050 || ReadLE(bytes, 28, 4) != 44100 || ReadLE(bytes, 32, 2) != 2 ||
      ReadLE(bytes, 34, 2) != 16)
    return ::testing::AssertionFailure() << "not 16-bit mono PCM at 22050 Hz";
  const std::uint32_t dataSize = ReadLE(bytes, 40, 4);
  if (dataSize != bytes.size() - 44 || dataSize % 2 != 0)
    return ::testing::AssertionFailure() << "data size " << dataSize;
  for (std::size_t at = 44; at < bytes.size(); at += 2)
    wave.samples.push_back(static_cast<std::int16_t>(ReadLE(bytes, at, 2)));
  return ::testing::AssertionSuccess();
}

class MakeSounds : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = fs::temp_directory_path() / ("zeri-sounds-" + std::string(test->name()) + "-" +
                                       std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  static int Run(const std::string& arguments) {
    return std::system((std::string("\"") + ZERI_MAKE_SOUNDS + "\" " + arguments + " 2>/dev/null").c_str());
  }

  fs::path dir;
};

TEST_F(MakeSounds, WritesTwoShortSoftDistinctPlacingSounds) {
  ASSERT_EQ(Run("\"" + dir.string() + "\""), 0);
  Wave red, blue;
  ASSERT_TRUE(ParseWave(ReadFileBytes(dir / "sd1.dat"), red));
  ASSERT_TRUE(ParseWave(ReadFileBytes(dir / "sd2.dat"), blue));
  for (const Wave* wave : {&red, &blue}) {
    const double seconds = static_cast<double>(wave->samples.size()) / 22050.0;
    EXPECT_GE(seconds, 0.12);
    EXPECT_LE(seconds, 0.2);
    int peak = 0;
    for (std::int16_t s : wave->samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 8000) << "audible";
    EXPECT_LT(peak, 32000) << "headroom, no clipping";
    // Starts and ends at rest, so it neither clicks in nor cuts off.
    EXPECT_LT(std::abs(wave->samples.front()), 100);
    for (std::size_t i = wave->samples.size() - 20; i < wave->samples.size(); ++i)
      EXPECT_LT(std::abs(wave->samples[i]), 300) << i;
  }
  EXPECT_NE(red.samples, blue.samples);
}

TEST_F(MakeSounds, FailsWithoutADirectoryOrWhenItCannotWrite) {
  EXPECT_NE(Run(""), 0);
  EXPECT_NE(Run("\"" + (dir / "missing" / "deeper").string() + "\""), 0);
  EXPECT_FALSE(fs::exists(dir / "missing"));
}

}  // namespace
}  // namespace zeri::testing
