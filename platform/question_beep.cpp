#include "platform/question_beep.h"

#include "assets/embedded_sounds.h"
#include "platform/sound_clip.h"

namespace tumbaro {

QuestionBeep::QuestionBeep(QObject* parent) : QObject(parent), channel_(this) {}

void QuestionBeep::Prepare()
{
    channel_.Prepare();
    if (!clip_) clip_ = WaveResourceClip(EmbeddedSoundPath(EmbeddedSound::Question));
}

void QuestionBeep::Play()
{
    if (!clip_) clip_ = WaveResourceClip(EmbeddedSoundPath(EmbeddedSound::Question));
    channel_.Play(clip_);
}

} // namespace tumbaro
