#include "embedded_sounds.h"

namespace tumbaro {

QString EmbeddedSoundPath(EmbeddedSound sound)
{
    return sound == EmbeddedSound::Question ? QStringLiteral(":/sounds/question.wav")
                                            : QStringLiteral(":/sounds/default.wav");
}

} // namespace tumbaro
