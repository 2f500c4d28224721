// Where the player's sounds are heard: the sound system through one effect per file. Tests put a
// stand-in in its place.
#pragma once

#include <QHash>
#include <QString>
#include <optional>

class QSoundEffect;

namespace zeri::qt {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Whether there is anything to hear sounds on.
  virtual bool Available() = 0;
  // Starts the wave file from its beginning, once or looping; false when it cannot play.
  virtual bool Start(const QString& path, bool loop) = 0;
  // Silences the file if it plays.
  virtual void Stop(const QString& path) = 0;
};

class EffectOutput : public SoundOutput {
 public:
  ~EffectOutput() override;
  bool Available() override;
  bool Start(const QString& path, bool loop) override;
  void Stop(const QString& path) override;

 private:
  std::optional<bool> available_;  // probed at the first sound, not at start-up
  QHash<QString, QSoundEffect*> effects_;
};

}  // namespace zeri::qt
