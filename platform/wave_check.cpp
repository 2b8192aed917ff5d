#include "platform/wave_check.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace tumbaro {

namespace {

constexpr quint16 PcmFormat = 1;
constexpr quint16 FloatFormat = 3;
constexpr quint16 ExtensibleFormat = 0xFFFE;
constexpr qint64 FormatFieldsSize = 16;
// The extensible format's fields end with the real format's tag, at 24.
constexpr qint64 ExtensibleFieldsSize = 40;
constexpr qint64 SubFormatAt = 24;
// What the sound server takes in one stream.
constexpr quint16 MaxChannels = 32;
constexpr quint32 MaxRate = 384000;

bool ReadExactly(QFile& file, char* into, qint64 size)
{
    return file.read(into, size) == size;
}

std::optional<SampleFormat> IntegerFormat(quint16 bits)
{
    switch (bits) {
    case 8: return SampleFormat::U8;
    case 16: return SampleFormat::S16LE;
    case 24: return SampleFormat::S24LE;
    case 32: return SampleFormat::S32LE;
    default: return std::nullopt;
    }
}

// The layout the format fields describe, its data not yet found.
std::optional<WaveLayout> FormatLayout(const char* fields, quint32 chunkSize)
{
    auto tag = qFromLittleEndian<quint16>(fields);
    const auto channels = qFromLittleEndian<quint16>(fields + 2);
    const auto rate = qFromLittleEndian<quint32>(fields + 4);
    const auto blockAlign = qFromLittleEndian<quint16>(fields + 12);
    const auto bits = qFromLittleEndian<quint16>(fields + 14);
    if (channels == 0 || channels > MaxChannels || rate == 0 || rate > MaxRate) return std::nullopt;
    // The samples go to the server as they lie, so frames must be packed.
    if (bits % 8 != 0 || blockAlign != channels * (bits / 8)) return std::nullopt;
    if (tag == ExtensibleFormat) {
        if (chunkSize < ExtensibleFieldsSize) return std::nullopt;
        tag = qFromLittleEndian<quint16>(fields + SubFormatAt);
    }
    std::optional<SampleFormat> format;
    if (tag == PcmFormat)
        format = IntegerFormat(bits);
    else if (tag == FloatFormat && bits == 32)
        format = SampleFormat::Float32LE;
    if (!format) return std::nullopt;
    return WaveLayout{*format, rate, channels, 0, 0};
}

} // namespace

std::optional<WaveLayout> ExamineWave(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const qint64 fileSize = file.size();

    char header[12];
    if (!ReadExactly(file, header, sizeof header)) return std::nullopt;
    if (qstrncmp(header, "RIFF", 4) != 0 || qstrncmp(header + 8, "WAVE", 4) != 0) return std::nullopt;

    std::optional<WaveLayout> layout;
    qint64 at = sizeof header;
    while (at + 8 <= fileSize) {
        char chunk[8];
        if (!file.seek(at) || !ReadExactly(file, chunk, sizeof chunk)) return std::nullopt;
        const auto size = qFromLittleEndian<quint32>(chunk + 4);
        const qint64 body = at + 8;
        if (body + static_cast<qint64>(size) > fileSize) return std::nullopt;

        if (qstrncmp(chunk, "fmt ", 4) == 0) {
            char fields[ExtensibleFieldsSize];
            const qint64 wanted = std::min<qint64>(size, ExtensibleFieldsSize);
            if (size < FormatFieldsSize || !ReadExactly(file, fields, wanted)) return std::nullopt;
            layout = FormatLayout(fields, size);
            if (!layout) return std::nullopt;
        } else if (qstrncmp(chunk, "data", 4) == 0) {
            if (!layout) return std::nullopt;
            const qint64 frame = layout->channels * SampleBytes(layout->format);
            layout->dataOffset = body;
            layout->dataSize = size - size % frame;
            if (layout->dataSize == 0) return std::nullopt;
            return layout;
        }
        at = body + size + (size & 1); // chunks are padded to even lengths
    }
    return std::nullopt;
}

} // namespace tumbaro
