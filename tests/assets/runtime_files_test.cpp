// The files shipped beside the game: a high-score table in the exact form the
// game reads and writes, and a help page that stands on its own.

#include <gtest/gtest.h>

#include <QFile>

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

TEST(RuntimeFiles, HighScoreTableIsTenNamesAndTenDescendingScores)
{
    const QList<QByteArray> names = Read(TUMBARO_ASSET_DIR "/runtime/H.dat").split('\n');
    const QList<QByteArray> scores = Read(TUMBARO_ASSET_DIR "/runtime/H2.dat").split('\n');
    ASSERT_TRUE(names.size() == 11 && scores.size() == 11); // ten lines, each ended by CR LF
    EXPECT_TRUE(names.last().isEmpty() && scores.last().isEmpty());
    long previous = LONG_MAX;
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(names[i].endsWith('\r') && scores[i].endsWith('\r')) << "line " << i;
        const QByteArray name = names[i].left(names[i].size() - 1), score = scores[i].left(scores[i].size() - 1);
        EXPECT_TRUE(!name.isEmpty() && name.size() <= 8 && !name.contains('\r')) << name.toStdString();
        bool ok = false;
        const long value = score.toLong(&ok); // written as the game writes numbers, best first
        EXPECT_TRUE(ok && QByteArray::number(value) == score && value < previous) << score.toStdString();
        previous = value;
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
