// The sound module: players that play through the sound server's own client
// library, made through one exported function so that the game loads the
// module, and the library with it, only when it first plays a sound.

#include "platform/sound_output.h"
#include "platform/sound_player.h"

namespace tumbaro {
namespace {

class ServerPlayer final : public SoundPlayer {
public:
    ServerPlayer() : output_(SoundOutput::Shared()), voice_(output_->NewVoice()) {}
    ~ServerPlayer() override { output_->Release(voice_); }

    void Play(std::shared_ptr<const SoundClip> clip) override
    {
        if (clip) output_->Play(voice_, std::move(clip));
    }
    void Stop() override { output_->Play(voice_, nullptr); }

private:
    std::shared_ptr<SoundOutput> output_;
    int voice_;
};

} // namespace
} // namespace tumbaro

extern "C" __attribute__((visibility("default"))) tumbaro::SoundPlayer* TumbaroMakeSoundPlayer()
{
    return new tumbaro::ServerPlayer();
}
