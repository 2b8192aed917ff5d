#include "platform/swap_sound.h"

#include "assets/embedded_sounds.h"
#include "platform/sound_clip.h"

#include <QDir>
#include <QFileInfo>

namespace tumbaro {

namespace {

const char* const SwapSoundFile = "CHANGE.WAV";

} // namespace

SwapSound::SwapSound(QObject* parent) : QObject(parent), file_(this), fallback_(this) {}

void SwapSound::Prepare()
{
    file_.Prepare();
    fallback_.Prepare();
    if (!fallbackClip_) fallbackClip_ = WaveResourceClip(EmbeddedSoundPath(EmbeddedSound::Default));
}

void SwapSound::Play()
{
    // Looked up on every play: the file may be copied in or removed while the
    // game runs, and the working folder is where the player put the game.
    // An unplayable file sounds like a missing one, as the default sound
    // stands in for any sound that cannot be played.
    const QFileInfo file(QDir::current().absoluteFilePath(SwapSoundFile));
    if (auto clip = file.isFile() ? WaveFileClip(file.absoluteFilePath()) : nullptr) {
        fallback_.Stop();
        file_.Play(std::move(clip));
        return;
    }
    file_.Stop();
    if (!fallbackClip_) fallbackClip_ = WaveResourceClip(EmbeddedSoundPath(EmbeddedSound::Default));
    fallback_.Play(fallbackClip_);
}

} // namespace tumbaro
