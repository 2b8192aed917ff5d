#include "platform/sound_channel.h"

#include <QSoundEffect>

namespace tumbaro {

SoundChannel::SoundChannel(QObject* owner) : owner_(owner) {}

void SoundChannel::Play(const QUrl& source)
{
    if (effect_ == nullptr) effect_ = new QSoundEffect(owner_);
    // A source that failed to load once may be there now (a file copied in
    // later): set it afresh instead of keeping the error.
    if (effect_->source() != source || effect_->status() == QSoundEffect::Error) {
        effect_->setSource(QUrl());
        effect_->setSource(source);
    }
    effect_->stop();
    effect_->play();
}

void SoundChannel::Stop()
{
    if (effect_ != nullptr) effect_->stop();
}

} // namespace tumbaro
