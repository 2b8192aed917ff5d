#pragma once
// A quick look at a wave file's chunk headers before it is handed to the sound
// player: a truncated or foreign file must never reach it, and the player
// takes the samples as they lie in the file, so their layout is read here.

#include "platform/sound_player.h"

#include <QString>

#include <optional>

namespace tumbaro {

// Where a playable wave file's samples lie and how they are laid out.
struct WaveLayout {
    SampleFormat format;
    std::uint32_t rate;
    std::uint32_t channels;
    qint64 dataOffset;
    qint64 dataSize; // whole frames only; a trailing part of one is left out
};

// The layout of a RIFF/WAVE file whose format is plain PCM (8 to 32 bits) or
// 32-bit float, within what the sound server takes, whose chunks all lie
// within the file and whose data holds at least one whole frame; nothing for
// any other file.
std::optional<WaveLayout> ExamineWave(const QString& path);

} // namespace tumbaro
