// Sound files are recognised by their wave header and found by bare name; a sound still plays for
// its file's length.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>
#include <vector>

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

// Stands in for the sound system: records what it is told, and can always play.
class RecordingOutput : public SoundOutput {
 public:
  explicit RecordingOutput(std::vector<std::string>& log) : log_(log) {}
  bool Available() override { return true; }
  bool Start(const QString& path, bool) override {
    log_.push_back("start " + QFileInfo(path).fileName().toStdString());
    return true;
  }
  void Stop(const QString& path) override { log_.push_back("stop " + QFileInfo(path).fileName().toStdString()); }

 private:
  std::vector<std::string>& log_;
};

class Sounds : public GameFiles {
 protected:
  static constexpr std::uint32_t NoStop = ui::SndAsync | ui::SndNoDefault | ui::SndNoStop;
  std::vector<std::string> log;
  std::int64_t now = 0;
  SoundPlayer player{std::make_unique<RecordingOutput>(log), [this] { return now; }};
};

TEST_F(Sounds, ThatCannotPlayReturnZeroAndAreNeverLoaded) {
  Write("noise.dat", "this is no wave audio");
  // A wave header over far more data than any short effect holds.
  Write("huge.dat", WaveHeader(200'000'000));
  ASSERT_TRUE(QFile::resize(work_.filePath("huge.dat"), 200'000'044));
  EXPECT_EQ(player.Play("missing.dat", NoStop), 0);
  EXPECT_EQ(player.Play("noise.dat", NoStop), 0);
  EXPECT_EQ(player.Play("huge.dat", NoStop), 0);
  EXPECT_TRUE(log.empty());
}

TEST_F(Sounds, StillPlayingIsTheFilesLengthOnThePlayersClock) {
  Write("sd1.dat", WaveHeader(2400) + QByteArray(2400, '\0'));  // 150 ms
  Write("sd2.dat", WaveHeader(2880) + QByteArray(2880, '\0'));  // 180 ms
  EXPECT_EQ(player.Play("sd1.dat", NoStop), 1);
  now = 149;
  EXPECT_EQ(player.Play("sd2.dat", NoStop), 0) << "dropped while the first still sounds";
  // The sound system may report the first as playing for a second more; its time is up all the same,
  // and it is left to drain rather than cut.
  now = 150;
  EXPECT_EQ(player.Play("sd2.dat", NoStop), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"start sd1.dat", "start sd2.dat"}));
}

}  // namespace
}  // namespace zeri::qt
