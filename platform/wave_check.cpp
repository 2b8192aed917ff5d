#include "platform/wave_check.h"

#include <QFile>
#include <QtEndian>

namespace tumbaro {

namespace {

constexpr quint16 PcmFormat = 1;
constexpr quint16 FloatFormat = 3;
constexpr quint16 ExtensibleFormat = 0xFFFE;
constexpr qint64 FormatFieldsSize = 16;

bool ReadExactly(QFile& file, char* into, qint64 size)
{
    return file.read(into, size) == size;
}

bool FormatIsPlayable(const char* fields, quint32 chunkSize)
{
    const auto tag = qFromLittleEndian<quint16>(fields);
    const auto channels = qFromLittleEndian<quint16>(fields + 2);
    const auto rate = qFromLittleEndian<quint32>(fields + 4);
    const auto blockAlign = qFromLittleEndian<quint16>(fields + 12);
    const auto bits = qFromLittleEndian<quint16>(fields + 14);
    if (channels == 0 || rate == 0 || blockAlign == 0) return false;
    switch (tag) {
    case PcmFormat: return bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case FloatFormat: return bits == 32;
    // The extension names the real format; the player reads PCM and float.
    case ExtensibleFormat: return chunkSize >= 40 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    default: return false;
    }
}

} // namespace

bool IsPlayableWave(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 fileSize = file.size();

    char header[12];
    if (!ReadExactly(file, header, sizeof header)) return false;
    if (qstrncmp(header, "RIFF", 4) != 0 || qstrncmp(header + 8, "WAVE", 4) != 0) return false;

    bool formatSeen = false;
    qint64 at = sizeof header;
    while (at + 8 <= fileSize) {
        char chunk[8];
        if (!file.seek(at) || !ReadExactly(file, chunk, sizeof chunk)) return false;
        const auto size = qFromLittleEndian<quint32>(chunk + 4);
        const qint64 body = at + 8;
        if (body + static_cast<qint64>(size) > fileSize) return false;

        if (qstrncmp(chunk, "fmt ", 4) == 0) {
            char fields[FormatFieldsSize];
            if (size < FormatFieldsSize || !ReadExactly(file, fields, FormatFieldsSize)) return false;
            if (!FormatIsPlayable(fields, size)) return false;
            formatSeen = true;
        } else if (qstrncmp(chunk, "data", 4) == 0) {
            return formatSeen && size > 0;
        }
        at = body + size + (size & 1); // chunks are padded to even lengths
    }
    return false;
}

} // namespace tumbaro
