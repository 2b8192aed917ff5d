// Which wave files may go to the sound player, and where their samples lie:
// anything the player can't take as it is must be turned away, and ordinary
// sounds must pass.

#include "platform/wave_check.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>
#include <optional>
#include <tuple>

using namespace tumbaro;

namespace {

void Put16(QByteArray& bytes, int at, quint16 value) { qToLittleEndian(value, bytes.data() + at); }
void Put32(QByteArray& bytes, int at, quint32 value) { qToLittleEndian(value, bytes.data() + at); }

// The extensible format: 24 more fields after the plain 16, ending in the
// tag of the real format.
void MakeExtensible(QByteArray& bytes, quint16 realTag)
{
    QByteArray more(24, '\0');
    Put16(more, 0, 22);
    Put16(more, 2, 16);
    Put32(more, 4, 4);
    Put16(more, 8, realTag);
    bytes.insert(36, more);
    Put32(bytes, 16, 40);
    Put16(bytes, 20, 0xFFFE);
}

TEST(WaveCheck, OnlyCompleteKnownFormatsPassAndTheirSamplesAreFound)
{
    // The shipped swap sound has the plain 44-byte header: 16-bit mono PCM,
    // fmt fields from byte 20, the data size at byte 40.
    QFile shipped(ShippedSwapSound);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray wav = shipped.readAll();
    const qint64 samples = wav.size() - 44;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sound.wav"));
    using Found = std::tuple<SampleFormat, std::uint32_t, qint64, qint64>; // format, channels, data offset, size
    const struct {
        const char* what;
        std::function<void(QByteArray&)> change;
        std::optional<Found> found;
    } cases[] = {
        {"as written", [](QByteArray&) {}, Found{SampleFormat::S16LE, 1, 44, samples}},
        {"8-bit", [](QByteArray& b) { Put16(b, 34, 8); Put16(b, 32, 1); }, Found{SampleFormat::U8, 1, 44, samples}},
        {"float stereo", [](QByteArray& b) { Put16(b, 20, 3); Put16(b, 22, 2); Put16(b, 34, 32); Put16(b, 32, 8); },
         Found{SampleFormat::Float32LE, 2, 44, samples - samples % 8}},
        {"an extra chunk before the data", [](QByteArray& b) { b.insert(36, QByteArray("LIST\x03\0\0\0abc\0", 12)); },
         Found{SampleFormat::S16LE, 1, 56, samples}},
        {"extensible PCM", [](QByteArray& b) { MakeExtensible(b, 1); }, Found{SampleFormat::S16LE, 1, 68, samples}},
        {"half a frame at the end", [samples](QByteArray& b) { b.chop(1); Put32(b, 40, samples - 1); },
         Found{SampleFormat::S16LE, 1, 44, samples - 2}},
        {"cut inside the data", [](QByteArray& b) { b.chop(10); }, std::nullopt},
        {"compressed format", [](QByteArray& b) { Put16(b, 20, 2); }, std::nullopt},
        {"extensible, compressed", [](QByteArray& b) { MakeExtensible(b, 2); }, std::nullopt},
        {"12-bit", [](QByteArray& b) { Put16(b, 34, 12); }, std::nullopt},
        {"frames with gaps", [](QByteArray& b) { Put16(b, 32, 4); }, std::nullopt},
        {"more channels than a stream takes", [](QByteArray& b) { Put16(b, 22, 33); Put16(b, 32, 66); }, std::nullopt},
        {"less than one frame", [](QByteArray& b) { Put32(b, 40, 1); }, std::nullopt},
        {"huge chunk size", [](QByteArray& b) { Put32(b, 40, 0xFFFFFFF0u); }, std::nullopt},
    };
    for (const auto& c : cases) {
        QByteArray bytes = wav;
        c.change(bytes);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
        file.close();
        const std::optional<WaveLayout> layout = ExamineWave(path);
        EXPECT_EQ(layout ? std::optional(Found{layout->format, layout->channels, layout->dataOffset, layout->dataSize})
                         : std::nullopt, c.found) << c.what;
        EXPECT_TRUE(!layout || layout->rate == 22050u) << c.what;
    }
}

} // namespace
