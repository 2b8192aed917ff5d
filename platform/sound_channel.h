#pragma once
// One place a sound is played from: it starts without waiting, cuts off its own
// sound still playing, and stays silent where there is no audio output or the
// source cannot be loaded. The player behind it is made on the first play, so
// that creating the window never waits for audio devices.

#include <QDateTime>
#include <QObject>
#include <QUrl>

#include <memory>


namespace tumbaro {

class SoundPlayer;

class SoundChannel {
public:
    // The player is made as a child of owner, so it goes with it.
    explicit SoundChannel(QObject* owner);
    ~SoundChannel();

    void Play(const QUrl& source);
    void Stop();

private:
    bool NeedsLoading(const QUrl& source) const;

    QObject* owner_;
    std::unique_ptr<SoundPlayer> player_;
    bool made_ = false;
    QDateTime loadedFileTime_; // of a local file source, when it was loaded
};

} // namespace tumbaro
