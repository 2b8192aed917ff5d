#include "platform/sound_channel.h"

#include <QFileInfo>
#include <QSoundEffect>

namespace tumbaro {

namespace {

QDateTime FileTime(const QUrl& source)
{
    return source.isLocalFile() ? QFileInfo(source.toLocalFile()).lastModified() : QDateTime();
}

} // namespace

SoundChannel::SoundChannel(QObject* owner) : owner_(owner) {}

bool SoundChannel::NeedsLoading(const QUrl& source) const
{
    if (effect_->source() != source) return true;
    // Changing the source makes the player wait for its loader, so a failed
    // source is tried again only when it is a file that has since changed; an
    // embedded sound that failed once will fail again.
    return effect_->status() == QSoundEffect::Error && source.isLocalFile() && FileTime(source) != loadedFileTime_;
}

void SoundChannel::Play(const QUrl& source)
{
    if (effect_ == nullptr) effect_ = new QSoundEffect(owner_);
    if (NeedsLoading(source)) {
        effect_->setSource(QUrl());
        effect_->setSource(source);
        loadedFileTime_ = FileTime(source);
    }
    effect_->stop();
    effect_->play();
}

void SoundChannel::Stop()
{
    if (effect_ != nullptr) effect_->stop();
}

} // namespace tumbaro
