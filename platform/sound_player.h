#pragma once
// A player for one sound, as the game needs it. The real one lives in a module
// of its own, loaded on the first play: the audio stack it brings (Qt
// Multimedia, the sound server's client, codecs) then costs the window neither
// start-up time nor memory until a sound is actually played.

#include <QUrl>

class QObject;

namespace tumbaro {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual QUrl Source() const = 0;
    // True when the source could not be loaded.
    virtual bool Failed() const = 0;
    virtual void SetSource(const QUrl& source) = 0;
    virtual void Play() = 0;
    virtual void Stop() = 0;
};

// A new player owned by `owner`, or nullptr when the sound module can't be
// loaded (the game then stays silent).
SoundPlayer* MakeSoundPlayer(QObject* owner);

} // namespace tumbaro
