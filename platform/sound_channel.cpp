#include "platform/sound_channel.h"

#include "platform/sound_server_probe.h"

#include <QObject>

namespace tumbaro {

namespace {

class PlayerHolder final : public QObject {
public:
    PlayerHolder(QObject* owner, std::unique_ptr<SoundPlayer> player) : QObject(owner), player_(std::move(player)) {}

private:
    std::unique_ptr<SoundPlayer> player_;
};

} // namespace

SoundChannel::SoundChannel(QObject* owner) : owner_(owner) {}

void SoundChannel::Prepare()
{
    // With no server to answer, the module and the server's client library
    // stay unloaded, and the next sound looks again.
    if (made_ || !SoundServerMayAnswer())
        return;
    made_ = true;
    if (auto player = MakeSoundPlayer()) {
        player_ = player.get();
        new PlayerHolder(owner_, std::move(player));
    }
}

void SoundChannel::Play(std::shared_ptr<const SoundClip> clip)
{
    Prepare();
    if (player_ && clip) player_->Play(std::move(clip));
}

void SoundChannel::Stop()
{
    if (player_) player_->Stop();
}

} // namespace tumbaro
