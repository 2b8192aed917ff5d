// The committed assets are exactly what the generator draws: nobody edited a
// picture by hand, and the generator hasn't drifted from what is committed.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace tumbaro::testing {
namespace {

QStringList FilesUnder(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Files in the asset folder that are written by hand, not drawn.
bool HandWritten(const QString& relative)
{
    return relative.startsWith("runtime/Help/") || !relative.contains('/');
}

TEST(Regeneration, GeneratorReproducesTheCommittedAssetsByteForByte)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess generator;
    generator.start(TUMBARO_ASSETGEN, {out.path()});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const QStringList generated = FilesUnder(out.path());
    QStringList committed = FilesUnder(TUMBARO_ASSET_DIR);
    committed.removeIf(HandWritten);
    EXPECT_EQ(generated, committed);
    for (const QString& file : generated)
        EXPECT_TRUE(Read(out.path() + "/" + file) == Read(TUMBARO_ASSET_DIR "/" + file))
            << file.toStdString() << " differs: run the regenerate-assets target and review";
}

} // namespace
} // namespace tumbaro::testing
