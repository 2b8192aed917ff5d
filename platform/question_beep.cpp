#include "platform/question_beep.h"

#include "assets/embedded_sounds.h"

namespace tumbaro {

QuestionBeep::QuestionBeep(QObject* parent) : QObject(parent), channel_(this) {}

void QuestionBeep::Play()
{
    channel_.Play(QUrl(QStringLiteral("qrc") + EmbeddedSoundPath(EmbeddedSound::Question)));
}

} // namespace tumbaro
