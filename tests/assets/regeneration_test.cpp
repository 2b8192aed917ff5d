// The committed assets are exactly what the generator draws: nobody edited a
// picture by hand, and the generator hasn't drifted from what is committed.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// The drawn files under root; the hand-written ones (the help pages and the
// files at the top of the asset folder) are left out.
QStringList DrawnFiles(const QString& root)
{
    QStringList files;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString relative = QDir(root).relativeFilePath(it.next());
        if (relative.contains('/') && !relative.startsWith("runtime/Help/")) files << relative;
    }
    files.sort();
    return files;
}

TEST(Regeneration, GeneratorReproducesTheCommittedAssetsByteForByte)
{
    QTemporaryDir out;
    QProcess generator;
    generator.start(TUMBARO_ASSETGEN, {out.path()});
    // Seconds of drawing that a busy machine may stretch to minutes: only
    // the test's own time limit stands for a generator that never ends.
    ASSERT_TRUE(generator.waitForFinished(-1)) << generator.errorString().toStdString();
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    const QStringList generated = DrawnFiles(out.path());
    EXPECT_EQ(generated, DrawnFiles(TUMBARO_ASSET_DIR));
    for (const QString& file : generated) {
        QFile drawn(out.path() + "/" + file), committed(TUMBARO_ASSET_DIR "/" + file);
        EXPECT_TRUE(drawn.open(QIODevice::ReadOnly) && committed.open(QIODevice::ReadOnly) && drawn.readAll() == committed.readAll())
            << file.toStdString() << " differs: run the regenerate-assets target and review";
    }
}

} // namespace
