#include "wav_file.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace tumbaro::test {

namespace {

void Append32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void Append16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

bool WriteWav(const QString& path, int milliseconds)
{
    constexpr quint32 SampleRate = 8000;
    const quint32 samples = SampleRate * static_cast<quint32>(milliseconds) / 1000;
    QByteArray wav("RIFF");
    Append32(wav, 36 + samples);
    wav += "WAVEfmt ";
    Append32(wav, 16);
    Append16(wav, 1); // PCM
    Append16(wav, 1); // mono
    Append32(wav, SampleRate);
    Append32(wav, SampleRate); // bytes per second
    Append16(wav, 1);          // block align
    Append16(wav, 8);          // bits per sample
    wav += "data";
    Append32(wav, samples);
    wav.append(static_cast<qsizetype>(samples), '\x80'); // 8-bit silence is the midpoint

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}

} // namespace tumbaro::test
