// The "@2x" pictures for scaled screens: one beside every ordinary picture, at
// exactly twice its size, balls with soft edges, picked only where the screen
// wants them; and the ordinary pictures exactly as they have always been.

#include "ui/pictures/jpeg_loader.h"
#include "ui/pictures/picture_density.h"
#include "ui/pictures/picture_list.h"
#include "ui/pictures/stored_pictures.h"

#include "engine/game_error.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

namespace tumbaro::testing {
namespace {

// Every picture the game carries and its SHA-256 as first drawn, relative to
// the asset folder (other generated files, such as desktop icons, are not
// the game's own pictures and are left out).
std::vector<std::pair<QString, QByteArray>> OrdinaryPictures()
{
    std::vector<std::pair<QString, QByteArray>> pictures;
    QFile manifest(TUMBARO_SOURCE_DIR "/ordinary_pictures.sha256");
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text))
        return pictures;
    while (!manifest.atEnd()) {
        const QList<QByteArray> fields = manifest.readLine().trimmed().split(' ');
        pictures.emplace_back(QString::fromUtf8(fields.last()).mid(2), fields.first());  // "./name"
    }
    return pictures;
}

TEST(SharpPictures, EveryPictureHasOneOfTwiceItsSize)
{
    const auto pictures = OrdinaryPictures();
    ASSERT_EQ(pictures.size(), 78u);
    for (const auto& picture : pictures) {
        const QString& file = picture.first;
        const QString path = TUMBARO_ASSET_DIR "/" + file;
        const QSize sharp = QImageReader(SharpName(path)).size();
        EXPECT_EQ(sharp, QImageReader(path).size() * 2) << file.toStdString();
    }
}

TEST(SharpPictures, BallsHaveSoftEdgesOverATransparentSurround)
{
    for (const char* name : {"Sxema1Big", "Sxema2Small", "Sxema3Big", "ImageList1"}) {
        const PictureList list(name);
        for (int k = 0; k < list.Count(); ++k) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(k));
            const QImage ball = list.Picture(k, 2.0);
            ASSERT_EQ(ball.devicePixelRatio(), 2.0);
            ASSERT_EQ(ball.deviceIndependentSize().toSize(), list.PictureSize());
            int partial = 0, opaque = 0;
            for (int y = 0; y < ball.height(); ++y)
                for (int x = 0; x < ball.width(); ++x) {
                    const int alpha = qAlpha(ball.pixel(x, y));
                    partial += alpha > 0 && alpha < 255;
                    opaque += alpha == 255;
                }
            EXPECT_EQ(qAlpha(ball.pixel(0, ball.height() - 1)), 0);
            EXPECT_GT(opaque, ball.width() * ball.height() / 4);
            // A hard cut would leave no pixel part covered.
            EXPECT_GT(partial, ball.width());
        }
    }
}

// At ratio 1 nothing of the sharp set is read; above it, every control and
// list picture is the sharp one, laid out at its ordinary size.
TEST(SharpPictures, ChosenByTheScreensRatio)
{
    const PictureList looks("ImageList2");
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        const qreal expected = ratio > 1 ? 2.0 : 1.0;
        EXPECT_EQ(looks.Picture(1, ratio).devicePixelRatio(), expected);
        EXPECT_EQ(looks.Picture(1, ratio).deviceIndependentSize().toSize(), looks.PictureSize());
        for (const char* control : {"Exit", "Image1", "Image10", "Image14", "icon"}) {
            const QImage picture = StoredPicture(control, ratio);
            EXPECT_EQ(picture.devicePixelRatio(), expected) << control;
            EXPECT_EQ(picture.deviceIndependentSize().toSize(), StoredPicture(control).size()) << control;
        }
    }
    EXPECT_EQ(StoredPicture("Background", 2.0), QImage());
}

// Left to guess, Qt offers a PNG to every installed image plugin before its
// own reader, loading each with its libraries: megabytes for nothing on a
// desktop with many plugins.
TEST(SharpPictures, ReadingThePicturesLoadsNoImagePlugin)
{
    for (qreal ratio : {1.0, 2.0}) {
        for (const char* name : {"Sxema1Big", "ImageList2"}) {
            const PictureList list(name);
            for (int k = 0; k < list.Count(); ++k)
                ASSERT_FALSE(list.Picture(k, ratio).isNull());
        }
        for (const char* control : {"Help", "Image10", "Image14", "icon"})
            ASSERT_FALSE(StoredPicture(control, ratio).isNull());
    }
    QFile maps("/proc/self/maps");
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(maps.readAll().contains("/imageformats/"));
}

TEST(SharpPictures, ABackgroundKeepsTheOrdinaryFilesRules)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath("b1.jpg"), sharp = dir.filePath("b1@2x.jpg");
    // No ordinary file: the same error as ever, whatever the screen.
    ASSERT_TRUE(QFile::copy(TUMBARO_ASSET_DIR "/runtime/b1@2x.jpg", sharp));
    for (qreal ratio : {1.0, 2.0})
        EXPECT_THROW(LoadJpegForScreen(plain, ratio), GameError) << ratio;

    ASSERT_TRUE(QFile::copy(TUMBARO_ASSET_DIR "/runtime/b1.jpg", plain));
    const QImage ordinary = LoadJpegFile(plain);
    EXPECT_EQ(LoadJpegForScreen(plain, 1.0), ordinary);
    EXPECT_EQ(LoadJpegForScreen(plain, 1.5).size(), QSize(1600, 1200));
    EXPECT_EQ(LoadJpegForScreen(plain, 2.0).devicePixelRatio(), 2.0);

    // A cut or missing sharp file quietly leaves the ordinary one.
    QFile file(sharp);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(file.size() / 2);
    file.close();
    EXPECT_EQ(LoadJpegForScreen(plain, 2.0), ordinary);
    ASSERT_TRUE(QFile::remove(sharp));
    EXPECT_EQ(LoadJpegForScreen(plain, 2.0), ordinary);
}

// Drawing the sharp set must never disturb the ordinary one: a screen at
// scale 1 shows what it always showed, pixel for pixel.
TEST(SharpPictures, OrdinaryPicturesAreUnchanged)
{
    const auto pictures = OrdinaryPictures();
    ASSERT_EQ(pictures.size(), 78u);
    for (const auto& [file, hash] : pictures) {
        QFile picture(TUMBARO_ASSET_DIR "/" + file);
        ASSERT_TRUE(picture.open(QIODevice::ReadOnly)) << file.toStdString();
        EXPECT_EQ(QCryptographicHash::hash(picture.readAll(), QCryptographicHash::Sha256).toHex(), hash)
            << file.toStdString() << " has changed";
    }
}

} // namespace
} // namespace tumbaro::testing
