// Which wave files may go to the sound player: everything the player would
// leave hanging must be turned away, and ordinary sounds must pass.

#include "platform/wave_check.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>

using tumbaro::IsPlayableWave;

namespace {

void Put16(QByteArray& bytes, int at, quint16 value) { qToLittleEndian(value, bytes.data() + at); }
void Put32(QByteArray& bytes, int at, quint32 value) { qToLittleEndian(value, bytes.data() + at); }

TEST(WaveCheck, OnlyCompleteKnownFormatsPass)
{
    // The shipped swap sound has the plain 44-byte header: 16-bit mono PCM,
    // fmt fields from byte 20, the data size at byte 40.
    QFile shipped(ShippedSwapSound);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray wav = shipped.readAll();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sound.wav"));
    const struct {
        const char* what;
        std::function<void(QByteArray&)> change;
        bool playable;
    } cases[] = {
        {"as written", [](QByteArray&) {}, true},
        {"8-bit", [](QByteArray& b) { Put16(b, 34, 8); Put16(b, 32, 1); }, true},
        {"an extra chunk before the data", [](QByteArray& b) { b.insert(36, QByteArray("LIST\x03\0\0\0abc\0", 12)); }, true},
        {"cut inside the data", [](QByteArray& b) { b.chop(10); }, false},
        {"compressed format", [](QByteArray& b) { Put16(b, 20, 2); }, false},
        {"12-bit", [](QByteArray& b) { Put16(b, 34, 12); }, false},
        {"huge chunk size", [](QByteArray& b) { Put32(b, 40, 0xFFFFFFF0u); }, false},
    };
    for (const auto& c : cases) {
        QByteArray bytes = wav;
        c.change(bytes);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
        file.close();
        EXPECT_EQ(IsPlayableWave(path), c.playable) << c.what;
    }
    EXPECT_FALSE(IsPlayableWave(folder.filePath(QStringLiteral("missing.wav"))) || IsPlayableWave(folder.path()));
}

} // namespace
