#pragma once
// Writes a short, quiet wave file so sound tests do not depend on the game's
// own sound files.

#include <QString>

namespace tumbaro::test {

// Silence of the given length, 8-bit mono at 8000 Hz.
bool WriteWav(const QString& path, int milliseconds);

} // namespace tumbaro::test
