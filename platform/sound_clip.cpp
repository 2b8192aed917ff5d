#include "platform/sound_clip.h"

#include "platform/wave_check.h"

#include <QFile>
#include <QFileInfo>

namespace tumbaro {

namespace {

std::shared_ptr<SoundClip> LaidOut(const QString& path)
{
    const std::optional<WaveLayout> layout = ExamineWave(path);
    if (!layout) return nullptr;
    auto clip = std::make_shared<SoundClip>();
    clip->name = QFileInfo(path).fileName().toStdString();
    clip->format = layout->format;
    clip->rate = layout->rate;
    clip->channels = layout->channels;
    clip->offset = static_cast<std::uint64_t>(layout->dataOffset);
    clip->size = static_cast<std::uint64_t>(layout->dataSize);
    return clip;
}

} // namespace

std::shared_ptr<const SoundClip> WaveFileClip(const QString& path)
{
    auto clip = LaidOut(path);
    if (clip) clip->file = QFile::encodeName(path).toStdString();
    return clip;
}

std::shared_ptr<const SoundClip> WaveResourceClip(const QString& path)
{
    auto clip = LaidOut(path);
    if (!clip) return nullptr;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(static_cast<qint64>(clip->offset))) return nullptr;
    const QByteArray samples = file.read(static_cast<qint64>(clip->size));
    if (samples.size() != static_cast<qint64>(clip->size)) return nullptr;
    clip->bytes = samples.toStdString();
    clip->offset = 0;
    return clip;
}

} // namespace tumbaro
