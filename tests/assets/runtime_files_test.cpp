// The files shipped beside the game: table files in the exact format the
// game reads and writes, sounds in the form the players accept, a help page
// that stands on its own.

#include "assets/embedded_sounds.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

namespace tumbaro::testing {
namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QList<QByteArray> CrLfLines(const QByteArray& text)
{
    EXPECT_TRUE(text.endsWith("\r\n"));
    QList<QByteArray> lines = text.split('\n');
    lines.removeLast();  // after the final line end
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r')) << "a line end without CR";
        line.chop(1);
    }
    return lines;
}

TEST(RuntimeFiles, HighScoreTableIsTenNamesAndTenDescendingScores)
{
    const QList<QByteArray> names = CrLfLines(Read(TUMBARO_ASSET_DIR "/runtime/H.dat"));
    const QList<QByteArray> scores = CrLfLines(Read(TUMBARO_ASSET_DIR "/runtime/H2.dat"));
    ASSERT_EQ(names.size(), 10);
    ASSERT_EQ(scores.size(), 10);
    for (const QByteArray& name : names) {
        EXPECT_FALSE(name.isEmpty());
        EXPECT_LE(name.size(), 8) << name.toStdString();
        EXPECT_FALSE(name.contains('\r'));
    }
    long previous = 0x7FFFFFFF;
    for (const QByteArray& score : scores) {
        bool ok = false;
        const long value = score.toLong(&ok);
        ASSERT_TRUE(ok) << score.toStdString();
        EXPECT_EQ(QByteArray::number(value), score) << "written as the game writes numbers";
        EXPECT_LT(value, previous);
        previous = value;
    }
}

struct WaveInfo {
    quint16 format, channels, bits;
    quint32 rate, dataBytes;
};

WaveInfo ParseWave(const QByteArray& w)
{
    EXPECT_GE(w.size(), 44);
    EXPECT_TRUE(w.startsWith("RIFF"));
    EXPECT_EQ(w.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(w.mid(36, 4), QByteArray("data"));
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(w.constData() + at); };
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(w.constData() + at); };
    EXPECT_EQ(u32(4), static_cast<quint32>(w.size() - 8));
    const WaveInfo info{u16(20), u16(22), u16(34), u32(24), u32(40)};
    EXPECT_EQ(info.dataBytes, static_cast<quint32>(w.size() - 44));
    return info;
}

TEST(RuntimeFiles, SoundsAreShortMonoSixteenBitPcm)
{
    const struct {
        QString path;
        double maxSeconds;
    } sounds[] = {
        {TUMBARO_ASSET_DIR "/runtime/CHANGE.WAV", 0.5},
        {EmbeddedSoundPath(EmbeddedSound::Question), 1.0},
        {EmbeddedSoundPath(EmbeddedSound::Default), 0.5},
    };
    for (const auto& sound : sounds) {
        SCOPED_TRACE(sound.path.toStdString());
        const WaveInfo info = ParseWave(Read(sound.path));
        EXPECT_EQ(info.format, 1);
        EXPECT_EQ(info.channels, 1);
        EXPECT_EQ(info.bits, 16);
        const double seconds = info.dataBytes / 2.0 / info.rate;
        EXPECT_GT(seconds, 0.05);
        EXPECT_LT(seconds, sound.maxSeconds);
    }
}

TEST(RuntimeFiles, HelpPageStandsOnItsOwn)
{
    const QByteArray page = Read(TUMBARO_ASSET_DIR "/runtime/Help/Vendrask.html");
    EXPECT_TRUE(page.contains("<style>"));
    // Nothing fetched from elsewhere: the page must open without a network.
    for (const char* outside : {"src=", "<link", "http:", "https:", "@import"})
        EXPECT_FALSE(page.contains(outside)) << outside;
}

} // namespace
} // namespace tumbaro::testing
