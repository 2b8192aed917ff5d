// The help page shipped beside the game stands on its own.

#include <gtest/gtest.h>

#include <QFile>

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
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
