#include "platform/sound_channel.h"

#include <QFileInfo>
#include "platform/sound_player.h"

namespace tumbaro {

namespace {

QDateTime FileTime(const QUrl& source)
{
    return source.isLocalFile() ? QFileInfo(source.toLocalFile()).lastModified() : QDateTime();
}

} // namespace

SoundChannel::SoundChannel(QObject* owner) : owner_(owner) {}

SoundChannel::~SoundChannel() = default;

bool SoundChannel::NeedsLoading(const QUrl& source) const
{
    if (player_->Source() != source) return true;
    // Changing the source makes the player wait for its loader, so a failed
    // source is tried again only when it is a file that has since changed; an
    // embedded sound that failed once will fail again.
    return player_->Failed() && source.isLocalFile() && FileTime(source) != loadedFileTime_;
}

void SoundChannel::Play(const QUrl& source)
{
    if (!made_) {
        made_ = true;
        player_.reset(MakeSoundPlayer(owner_));
    }
    if (!player_)
        return; // no sound module: the game stays silent
    if (NeedsLoading(source)) {
        player_->SetSource(QUrl());
        player_->SetSource(source);
        loadedFileTime_ = FileTime(source);
    }
    player_->Stop();
    player_->Play();
}

void SoundChannel::Stop()
{
    if (player_) player_->Stop();
}

} // namespace tumbaro
