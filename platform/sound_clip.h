#pragma once
// Clips made from wave files for the sound player, checked first: nothing is
// made from a file the player could not take as it is.

#include "platform/sound_player.h"

#include <QString>

#include <memory>

namespace tumbaro {

// A clip whose samples are read from the file each time it is played, so a
// long one is never copied into memory; nullptr for a file that can't be
// played.
std::shared_ptr<const SoundClip> WaveFileClip(const QString& path);

// A clip holding its samples, for a wave among the program's resources
// (":/..."), which the player's thread can't read; nullptr as above.
std::shared_ptr<const SoundClip> WaveResourceClip(const QString& path);

} // namespace tumbaro
