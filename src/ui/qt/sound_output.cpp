#include "ui/qt/sound_output.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace zeri::qt {

EffectOutput::~EffectOutput() { qDeleteAll(effects_); }

bool EffectOutput::Available() {
  if (!available_) available_ = !QMediaDevices::audioOutputs().isEmpty();
  return *available_;
}

bool EffectOutput::Start(const QString& path, bool loop) {
  QSoundEffect*& effect = effects_[path];
  if (effect == nullptr) {
    effect = new QSoundEffect();
    effect->setSource(QUrl::fromLocalFile(path));
  }
  if (effect->status() == QSoundEffect::Error) return false;
  effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
  effect->play();
  return true;
}

void EffectOutput::Stop(const QString& path) {
  if (QSoundEffect* effect = effects_.value(path)) effect->stop();
}

}  // namespace zeri::qt
