#pragma once
// The question sound that answers a swap the game refuses; it starts at once
// without waiting and cuts off its own previous play.

#include "platform/sound_channel.h"

#include <QObject>

namespace tumbaro {

class QuestionBeep : public QObject {
    Q_OBJECT
public:
    explicit QuestionBeep(QObject* parent = nullptr);

    void Play();
    // Loads the player and the beep ahead of the first play.
    void Prepare();

private:
    SoundChannel channel_;
    std::shared_ptr<const SoundClip> clip_; // read on the first play
};

} // namespace tumbaro
