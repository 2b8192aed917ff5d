#include "platform/question_beep.h"

namespace tumbaro {

QuestionBeep::QuestionBeep(QObject* parent) : QObject(parent), channel_(this) {}

void QuestionBeep::Play()
{
    channel_.Play(QUrl(QStringLiteral("qrc:/sounds/question.wav")));
}

} // namespace tumbaro
