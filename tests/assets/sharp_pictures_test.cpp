// The "@2x" pictures for scaled screens: one beside every ordinary picture at
// exactly twice its size, picked only where the screen wants them.

#include "ui/pictures/jpeg_loader.h"
#include "ui/pictures/picture_density.h"
#include "ui/pictures/picture_list.h"
#include "ui/pictures/stored_pictures.h"

#include "engine/game_error.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

namespace tumbaro::testing {
namespace {

// Every picture the window shows has a sharp one beside it of twice its size.
TEST(SharpPictures, EveryPictureHasOneOfTwiceItsSize)
{
    int pictures = 0;
    for (QDirIterator it(TUMBARO_ASSET_DIR, {"*.png", "*.jpg"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        if (path.contains("@2x") || path.contains("/languages/") || path.contains("/icons/"))
            continue;
        ++pictures;
        EXPECT_EQ(QImageReader(SharpName(path)).size(), QImageReader(path).size() * 2) << path.toStdString();
    }
    EXPECT_EQ(pictures, 126); // the ordinary pictures and the balls with symbols
}

// At ratio 1 nothing of the sharp set is read; above it, every control and
// list picture is the sharp one, laid out at its ordinary size.
TEST(SharpPictures, ChosenByTheScreensRatio)
{
    const PictureList looks("ImageList2");
    for (qreal ratio : {1.0, 1.25, 2.0, 3.0}) {
        const qreal expected = ratio > 1 ? 2.0 : 1.0;
        for (const QImage& picture : {looks.Picture(1, ratio), StoredPicture("Image10", ratio)})
            EXPECT_EQ(picture.devicePixelRatio(), expected) << ratio;
        EXPECT_EQ(looks.Picture(1, ratio).deviceIndependentSize().toSize(), looks.PictureSize()) << ratio;
        EXPECT_EQ(StoredPicture("Image10", ratio).deviceIndependentSize().toSize(), StoredPicture("Image10").size());
    }
}

// The ordinary background decides, whatever the screen: without it the usual
// error; with it, a cut or missing sharp file quietly leaves the ordinary one.
TEST(SharpPictures, ABackgroundKeepsTheOrdinaryFilesRules)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath("b1.jpg"), sharp = dir.filePath("b1@2x.jpg");
    ASSERT_TRUE(QFile::copy(TUMBARO_ASSET_DIR "/runtime/b1@2x.jpg", sharp));
    EXPECT_THROW(LoadJpegForScreen(plain, 2.0), GameError);
    ASSERT_TRUE(QFile::copy(TUMBARO_ASSET_DIR "/runtime/b1.jpg", plain));
    const QImage ordinary = LoadJpegFile(plain);
    EXPECT_EQ(LoadJpegForScreen(plain, 1.0), ordinary);
    EXPECT_EQ(LoadJpegForScreen(plain, 1.5).size(), QSize(1600, 1200));
    QFile file(sharp);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.resize(file.size() / 2));
    file.close();
    EXPECT_EQ(LoadJpegForScreen(plain, 2.0), ordinary);
}

} // namespace
} // namespace tumbaro::testing
