#include "ui/qt/sound_player.h"

#include <QFile>
#include <QThread>
#include <cstring>
#include <utility>

#include "ui/platform.h"
#include "ui/qt/file_lookup.h"

namespace zeri::qt {

namespace {
std::uint32_t Le32(const char* bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}
// How much of a file is read to find its format and data chunks.
constexpr qint64 HeaderBytes = 4096;

// The length of a sound file, when it is wave audio of a sane size.
std::optional<std::int64_t> SoundFileDurationMs(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > MaxSoundFileBytes) return std::nullopt;
  return WaveDurationMs(file.read(HeaderBytes), file.size());
}
}  // namespace

std::optional<std::int64_t> WaveDurationMs(const QByteArray& header, std::int64_t fileSize) {
  if (header.size() < 12 || std::memcmp(header.constData(), "RIFF", 4) != 0 ||
      std::memcmp(header.constData() + 8, "WAVE", 4) != 0)
    return std::nullopt;
  std::uint32_t byteRate = 0;
  qsizetype at = 12;
  while (at + 8 <= header.size()) {
    const char* chunk = header.constData() + at;
    const std::uint32_t size = Le32(chunk + 4);
    if (std::memcmp(chunk, "fmt ", 4) == 0 && at + 8 + 12 <= header.size()) {
      byteRate = Le32(chunk + 8 + 8);
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (byteRate == 0) return std::nullopt;
      const std::int64_t available = std::max<std::int64_t>(0, fileSize - (at + 8));
      const std::int64_t bytes = std::min<std::int64_t>(size, available);
      return bytes * 1000 / byteRate;
    }
    at += 8 + static_cast<qsizetype>(size) + (size & 1);
  }
  return std::nullopt;
}

SoundPlayer::SoundPlayer(std::unique_ptr<SoundOutput> output, Clock clock)
    : output_(std::move(output)), clock_(std::move(clock)) {
  elapsed_.start();
  if (!clock_) clock_ = [this] { return elapsed_.elapsed(); };
}

std::int32_t SoundPlayer::Play(const std::string& name, std::uint32_t flags) {
  // Whether a sound still plays is read from our own clock: the sound system's status follows its
  // buffered output, which may run a second or more behind, and would drop sounds never heard.
  const std::int64_t now = clock_();
  const bool playing = now < playingUntil_;
  if (playing && (flags & ui::SndNoStop) != 0) return 0;

  const QString path = FindGameFile(name);
  if (path.isEmpty()) return 0;
  const std::optional<std::int64_t> duration = SoundFileDurationMs(path);
  if (!duration || !output_->Available()) return 0;
  // Only a sound that still plays by our clock is cut; one whose time is up may still be draining
  // from the server's buffers and is left to end.
  if (playing) output_->Stop(current_);
  const bool loop = (flags & ui::SndLoop) != 0 && (flags & ui::SndAsync) != 0;
  if (!output_->Start(path, loop)) return 0;
  current_ = path;
  playingUntil_ = loop ? INT64_MAX : now + *duration;
  if ((flags & ui::SndAsync) == 0) QThread::msleep(static_cast<unsigned long>(*duration));
  return 1;
}

}  // namespace zeri::qt
