#pragma once
// The sound of two balls changing places: "CHANGE.WAV" of the working folder,
// or the game's own default sound when that file is not there or cannot be
// played. Each play starts at once without waiting and cuts off the previous
// one.

#include "platform/sound_channel.h"

#include <QObject>

namespace tumbaro {

class SwapSound : public QObject {
    Q_OBJECT
public:
    explicit SwapSound(QObject* parent = nullptr);

    void Play();
    // Loads what playing needs ahead of the first play: the player, the sound
    // module and the default sound.
    void Prepare();

private:
    SoundChannel file_;
    SoundChannel fallback_;
    std::shared_ptr<const SoundClip> fallbackClip_; // read on its first play
};

} // namespace tumbaro
