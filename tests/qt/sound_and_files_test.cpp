// Sound files are recognised by their wave header and found by bare name.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ui/platform.h"
#include "ui/qt/file_lookup.h"
#include "ui/qt/sound_player.h"

namespace zeri::qt {
namespace {

// A RIFF WAVE header: mono 16-bit at 8000 Hz (16000 bytes a second) with the given data size.
QByteArray WaveHeader(std::uint32_t dataBytes, bool withFormat = true) {
  QByteArray wave("RIFF....WAVE");
  auto le32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) wave.append(char((v >> (8 * i)) & 0xff));
  };
  auto le16 = [&](std::uint16_t v) {
    wave.append(char(v & 0xff));
    wave.append(char(v >> 8));
  };
  if (withFormat) {
    wave.append("fmt ");
    le32(16);
    le16(1);
    le16(1);
    le32(8000);
    le32(16000);
    le16(2);
    le16(16);
  }
  wave.append("data");
  le32(dataBytes);
  return wave;
}

TEST(WaveDuration, ComesFromTheDataSizeAndByteRate) {
  const QByteArray header = WaveHeader(8000);
  EXPECT_EQ(WaveDurationMs(header, header.size() + 8000), 500);
  // A file cut short plays only what it holds.
  EXPECT_EQ(WaveDurationMs(header, header.size() + 1600), 100);
}

TEST(WaveDuration, RejectsWhatIsNotWaveAudio) {
  EXPECT_FALSE(WaveDurationMs(QByteArray("ID3\x03 not a wave file at all"), 30));
  EXPECT_FALSE(WaveDurationMs(QByteArray("RIFF"), 4));
  EXPECT_FALSE(WaveDurationMs(WaveHeader(100, false), 200)) << "data without a format";
  QByteArray avi = WaveHeader(100);
  avi.replace(8, 4, "AVI ");
  EXPECT_FALSE(WaveDurationMs(avi, 200));
}

class GameFiles : public ::testing::Test {
 protected:
  GameFiles() : previous_(QDir::currentPath()) { QDir::setCurrent(work_.path()); }
  ~GameFiles() override { QDir::setCurrent(previous_); }
  void Write(const QString& name, const QByteArray& bytes) {
    QFile file(work_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir work_;
  QString previous_;
};

TEST_F(GameFiles, BareNamesAreFoundInTheWorkingDirectory) {
  Write("sd9.dat", WaveHeader(16));
  EXPECT_EQ(FindGameFile("sd9.dat"), QDir(work_.path()).absoluteFilePath("sd9.dat"));
  EXPECT_TRUE(FindGameFile("missing.dat").isEmpty());
  EXPECT_TRUE(FindGameFile("").isEmpty());
  // The program's own directory is searched next.
  const QString beside = QCoreApplication::applicationDirPath();
  const QString name = QDir(beside).entryList(QDir::Files).value(0);
  ASSERT_FALSE(name.isEmpty());
  EXPECT_EQ(FindGameFile(name.toStdString()), QDir(beside).absoluteFilePath(name));
}

TEST_F(GameFiles, SoundsThatCannotPlayReturnZeroQuietly) {
  Write("noise.dat", "this is no wave audio");
  SoundPlayer player;
  const std::uint32_t flags = ui::SndAsync | ui::SndNoDefault | ui::SndNoStop;
  EXPECT_EQ(player.Play("missing.dat", flags), 0);
  EXPECT_EQ(player.Play("noise.dat", flags), 0);
}

}  // namespace
}  // namespace zeri::qt
