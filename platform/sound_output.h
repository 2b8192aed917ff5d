#pragma once
// The game's one connection to the sound server, kept by a thread of its own.
// Callers only hand over what each voice should play next and never wait for
// the server, which may be slow, gone, or never there: then nothing is heard
// and the next sound tries to connect again.

#include "platform/sound_player.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>

#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace tumbaro {

class SoundVoice;

class SoundOutput {
public:
    // The output every player shares while any of them is alive.
    static std::shared_ptr<SoundOutput> Shared();

    SoundOutput();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;
    // Cuts off every sound and waits for the thread, which never blocks.
    ~SoundOutput();

    int NewVoice();
    // Cuts off the voice's sound and starts `clip`; nullptr only cuts off.
    void Play(int voice, std::shared_ptr<const SoundClip> clip);
    void Release(int voice);

private:
    struct Request {
        std::shared_ptr<const SoundClip> clip;
        bool release = false;
    };

    void Post(int voice, Request request);
    void Run();
    static void OnRequests(pa_mainloop_api*, pa_io_event*, int, pa_io_event_flags_t, void* self);
    void Apply(int voice, Request request);
    void Connect();
    static void OnContextState(pa_context* context, void* self);
    void Disconnect();

    // Shared with the callers' threads.
    std::mutex mutex_;
    std::map<int, Request> requests_; // the latest for each voice
    bool quitting_ = false;
    int nextVoice_ = 0;
    int wakeup_ = -1; // an eventfd the thread watches for requests

    // The thread's own.
    pa_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    std::map<int, std::unique_ptr<SoundVoice>> voices_;

    std::thread thread_;
};

} // namespace tumbaro
