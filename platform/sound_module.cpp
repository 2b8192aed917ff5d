// The sound module: players built on QSoundEffect, made through one exported
// function so that the game loads the module only when it first plays a sound.

#include "platform/sound_player.h"

#include <QSoundEffect>

namespace tumbaro {
namespace {

class EffectPlayer final : public SoundPlayer {
public:
    explicit EffectPlayer(QObject* owner) : effect_(new QSoundEffect(owner)) {}
    QUrl Source() const override { return effect_->source(); }
    bool Failed() const override { return effect_->status() == QSoundEffect::Error; }
    void SetSource(const QUrl& source) override { effect_->setSource(source); }
    void Play() override { effect_->play(); }
    void Stop() override { effect_->stop(); }

private:
    QSoundEffect* effect_; // owned by the owner given, like any Qt child
};

} // namespace
} // namespace tumbaro

extern "C" Q_DECL_EXPORT tumbaro::SoundPlayer* TumbaroMakeSoundPlayer(QObject* owner)
{
    return new tumbaro::EffectPlayer(owner);
}
