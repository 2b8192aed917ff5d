// The "@2x" pictures for scaled screens: one beside every ordinary picture at
// exactly twice its size, picked only where the screen wants them.

#include "ui/pictures/drawn_pictures.h"
#include "ui/pictures/jpeg_loader.h"
#include "ui/pictures/picture_density.h"
#include "ui/pictures/picture_list.h"
#include "ui/pictures/stored_pictures.h"

#include "engine/game_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>
#include <tuple>

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

namespace tumbaro::testing {
namespace {

// Pictures drawn with words need the fonts of an application.
void WithFonts()
{
    static int argc = 1;
    static char name[] = "assets_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

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

// At ratio 1 nothing of the sharp set is read; up to 2, every control and
// list picture is the sharp one; above, one drawn for the ratio (a list's
// fitted to it, a control's at the next whole one). All are laid out at
// their ordinary size.
TEST(SharpPictures, ChosenByTheScreensRatio)
{
    WithFonts();
    const PictureList looks("ImageList2");
    for (auto [ratio, list, control] : {std::tuple{1.0, 1.0, 1.0}, {1.25, 2.0, 2.0}, {2.0, 2.0, 2.0}, {2.5, 2.5, 3.0},
                                        {1.5, 2.0, 2.0}, {3.75, 3.75, 4.0}}) {
        EXPECT_EQ(looks.Picture(1, ratio).devicePixelRatio(), list) << ratio;
        EXPECT_EQ(StoredPicture("Image10", ratio).devicePixelRatio(), control) << ratio;
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
    EXPECT_EQ(LoadJpegForScreen(plain, 3.5).size(), QSize(2800, 2100));
    QFile file(sharp);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.resize(file.size() / 2));
    file.close();
    EXPECT_EQ(LoadJpegForScreen(plain, 2.0), ordinary);
}

// Mean difference per colour channel between `drawn` and the carried
// picture `path`, both over white at the carried one's size.
double Apart(const QImage& drawn, const QString& path)
{
    const QImage carried = ReadPng(path).isNull() ? DecodeJpeg([&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }(), path) : ReadPng(path);
    const auto overWhite = [&](const QImage& picture) {
        QImage white(carried.size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        QPainter(&white).drawImage(white.rect(), picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                                     .scaled(carried.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        return white;
    };
    const QImage a = overWhite(drawn), b = overWhite(carried);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qRed(a.pixel(x, y)) - qRed(b.pixel(x, y))) + std::abs(qGreen(a.pixel(x, y)) - qGreen(b.pixel(x, y)))
                + std::abs(qBlue(a.pixel(x, y)) - qBlue(b.pixel(x, y)));
    return sum / (3.0 * a.width() * a.height());
}

// Above a ratio of 2 the pictures are drawn while the game runs: each one
// the carried picture of its name and index, at the density asked for.
TEST(SharpPictures, DrawnForFinerScreensAsTheCarriedOnes)
{
    WithFonts();
    RegisterSharpPictures();
    constexpr int Density = 3;
    // Resampled to the carried size, hard-edged letters and the icon's 16
    // colours move most; the nearest wrong picture (a pressed look for a
    // released one) is 5.2 apart.
    constexpr double Close = 5.0, CloseForTheIcon = 8.0;
    for (const char* file : {"Exit.jpg", "Help.png", "Image1.jpg", "Image4.jpg", "Image5.jpg", "Image10.png",
                             "Image11.png", "Image12.png", "Image13.png", "Image14.png", "Image15.png", "Image16.png",
                             "icon.png"}) {
        const QString path = QStringLiteral(":/controls/") + file;
        const QImage drawn = DrawnControl(file, Density);
        EXPECT_EQ(drawn.size(), QImageReader(path).size() * Density) << file;
        EXPECT_LT(Apart(drawn, SharpName(path)), std::string_view(file) == "icon.png" ? CloseForTheIcon : Close) << file;
    }
    for (auto [list, folder] : {std::pair{"Sxema3Small", ""}, {"Sxema1Big", "symbols/"}, {"ImageList1", ""},
                                {"ImageList2", ""}}) {
        const std::vector<QImage> drawn = DrawnList(list, folder, Density);
        ASSERT_EQ(drawn.size(), std::size_t(PictureList(list).Count())) << list;
        for (std::size_t k = 0; k < drawn.size(); ++k) {
            const QString path = QStringLiteral(":/lists/%1%2/%3@2x.png").arg(folder, list).arg(k);
            EXPECT_EQ(drawn[k].deviceIndependentSize().toSize(), PictureList(list).PictureSize()) << list;
            EXPECT_LT(Apart(drawn[k], path), Close) << path.toStdString();
        }
    }
}

} // namespace
} // namespace tumbaro::testing
