#pragma once
// A player for one sound, as the game needs it. The real one lives in a module
// of its own, loaded on the first play: the sound server's client library and
// what it brings then cost the window neither start-up time nor memory until
// a sound is actually played. This header is the module's whole interface,
// so it needs nothing beyond the standard library.

#include <cstdint>
#include <memory>
#include <string>

namespace tumbaro {

// The sample layouts a wave file may hold that the player takes as they are.
enum class SampleFormat { U8, S16LE, S24LE, S32LE, Float32LE };

constexpr std::uint32_t SampleBytes(SampleFormat format)
{
    switch (format) {
    case SampleFormat::U8: return 1;
    case SampleFormat::S16LE: return 2;
    case SampleFormat::S24LE: return 3;
    default: return 4;
    }
}

// Samples ready to play: whole frames, either read from a file when played
// (so a large file never passes through the window's thread) or held here.
struct SoundClip {
    std::string name; // how the sound server lists the stream
    SampleFormat format = SampleFormat::S16LE;
    std::uint32_t rate = 0;
    std::uint32_t channels = 0;
    std::string file; // empty for samples held in `bytes`
    std::uint64_t offset = 0; // where the samples start in the file
    std::uint64_t size = 0; // bytes of samples, a whole number of frames
    std::string bytes;

    std::uint32_t FrameBytes() const { return SampleBytes(format) * channels; }
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the clip without waiting, cutting off this player's own sound
    // still playing; the sound of any other player plays on.
    virtual void Play(std::shared_ptr<const SoundClip> clip) = 0;
    virtual void Stop() = 0;
};

// A new player, or nullptr when the sound module can't be loaded (the game
// then stays silent).
std::unique_ptr<SoundPlayer> MakeSoundPlayer();

} // namespace tumbaro
