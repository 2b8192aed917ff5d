#pragma once
// A quick look at a wave file's chunk headers before it is handed to the sound
// player: a truncated or foreign file can leave the player loading it forever,
// which then holds up every later change of sound and the program's exit.

#include <QString>

namespace tumbaro {

// True for a RIFF/WAVE file whose format is plain PCM (8 to 32 bits) or 32-bit
// float and whose chunks all lie within the file.
bool IsPlayableWave(const QString& path);

} // namespace tumbaro
