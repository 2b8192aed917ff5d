#pragma once
// Where the sounds built into the program live among its resources, for the
// code that plays them (the question beep, and the stand-in swap sound used
// when CHANGE.WAV is missing).

#include <QString>

namespace tumbaro {

enum class EmbeddedSound { Question, Default };

// A resource path such as ":/sounds/question.wav"; always present once the
// program links tumbaro_sounds.
QString EmbeddedSoundPath(EmbeddedSound sound);

} // namespace tumbaro
