#pragma once
// One place a sound is played from: it starts without waiting, cuts off its own
// sound still playing, and stays silent where there is no sound server or no
// sound module. The player behind it is made on the first play, so that
// creating the window never loads the sound module.

#include "platform/sound_player.h"

#include <memory>

class QObject;

namespace tumbaro {

class SoundChannel {
public:
    // The player is held by a child of owner, so it goes with it.
    explicit SoundChannel(QObject* owner);

    void Play(std::shared_ptr<const SoundClip> clip);
    void Stop();
    // Makes the player now, loading the sound module, so that the first play
    // later costs no more than any other.
    void Prepare();

private:
    QObject* owner_;
    SoundPlayer* player_ = nullptr; // owned through owner's child
    bool made_ = false;
};

} // namespace tumbaro
