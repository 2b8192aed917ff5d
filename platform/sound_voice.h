#pragma once
// One player's stream on the sound server: each clip gets a stream of its own
// in the clip's own format, fed as the server asks, drained and closed when
// the clip is done, and closed at once when cut off. Lives on the sound
// thread, like everything that touches the connection.

#include "platform/sound_player.h"

#include <pulse/context.h>
#include <pulse/stream.h>

#include <cstdint>
#include <memory>

namespace tumbaro {

class SoundVoice {
public:
    SoundVoice() = default;
    SoundVoice(const SoundVoice&) = delete;
    SoundVoice& operator=(const SoundVoice&) = delete;
    ~SoundVoice() { End(); }

    // Cuts off what this voice plays and starts `clip` on `context`, which is
    // ready. A clip that can't be opened or played leaves the voice silent.
    void Start(pa_context* context, std::shared_ptr<const SoundClip> clip);
    // Cuts off what this voice plays.
    void End();

    // The clip to start once the connection is ready; empty when none waits.
    std::shared_ptr<const SoundClip> waiting;

private:
    static void OnState(pa_stream* stream, void* self);
    static void OnWritable(pa_stream* stream, std::size_t bytes, void* self);
    static void OnDrained(pa_stream* stream, int success, void* self);
    void Fill(std::size_t bytes);
    bool Read(void* into, std::size_t bytes);

    std::shared_ptr<const SoundClip> clip_;
    pa_stream* stream_ = nullptr;
    pa_operation* drain_ = nullptr;
    int file_ = -1;
    std::uint64_t written_ = 0;
};

} // namespace tumbaro
