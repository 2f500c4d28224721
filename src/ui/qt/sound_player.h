// Plays the game's wave files: once, without waiting, and never over a sound that still plays
// when the caller asks so. Reports nothing; a sound that cannot play simply stays silent.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ui/qt/sound_output.h"

namespace zeri::qt {

// The largest sound file loaded: a short effect is a few kB; anything past this is not one.
inline constexpr std::int64_t MaxSoundFileBytes = 4 * 1024 * 1024;

// The length of a RIFF WAVE file in milliseconds; none when the data is not wave audio.
std::optional<std::int64_t> WaveDurationMs(const QByteArray& header, std::int64_t fileSize);

class SoundPlayer {
 public:
  // Milliseconds on a steady clock.
  using Clock = std::function<std::int64_t()>;

  // Without arguments: the sound system and a clock of the player's own.
  explicit SoundPlayer(std::unique_ptr<SoundOutput> output = std::make_unique<EffectOutput>(),
                       Clock clock = {});
  // The default clock reads this object's own timer.
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Non-zero when the sound started.
  std::int32_t Play(const std::string& name, std::uint32_t flags);

 private:
  std::unique_ptr<SoundOutput> output_;
  QElapsedTimer elapsed_;
  Clock clock_;
  QString current_;  // the file last started, and when it ends by the file's own length
  std::int64_t playingUntil_ = 0;
};

}  // namespace zeri::qt
