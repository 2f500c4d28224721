// Plays the game's wave files: once, without waiting, and never over a sound that still plays
// when the caller asks so. Reports nothing; a sound that cannot play simply stays silent.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QSoundEffect;

namespace zeri::qt {

// The length of a RIFF WAVE file in milliseconds; none when the data is not wave audio.
std::optional<std::int64_t> WaveDurationMs(const QByteArray& header, std::int64_t fileSize);

class SoundPlayer {
 public:
  SoundPlayer();
  ~SoundPlayer();

  // Non-zero when the sound started.
  std::int32_t Play(const std::string& name, std::uint32_t flags);

 private:
  bool AudioAvailable();

  std::optional<bool> audio_;  // probed at the first sound, not at start-up
  QHash<QString, QSoundEffect*> effects_;
  QSoundEffect* current_ = nullptr;
  QElapsedTimer clock_;
  std::int64_t playingUntil_ = 0;
};

}  // namespace zeri::qt
