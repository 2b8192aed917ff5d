// The "@2x" pictures for scaled screens: one beside every ordinary picture at
// exactly twice its size, picked only where the screen wants them; and the
// lists' ordinary pictures as the window draws them, masked.

#include "ui/pictures/jpeg_loader.h"
#include "ui/pictures/picture_density.h"
#include "ui/pictures/picture_list.h"
#include "ui/pictures/stored_pictures.h"

#include "engine/game_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>
#include <tuple>
#include <vector>

#include <QFile>
#include <QTemporaryDir>

namespace tumbaro::testing {
namespace {

// At ratio 1 nothing of the sharp set is read; up to 2, every control and
// list picture is the sharp one; above, one drawn for the ratio (a list's
// fitted to it, a control's at the next whole one). All are laid out at
// their ordinary size.
TEST(SharpPictures, ChosenByTheScreensRatio)
{
    const PictureList looks("ImageList2");
    for (auto [ratio, list, control] :
         {std::tuple{1.0, 1.0, 1.0}, {1.25, 2.0, 2.0}, {2.0, 2.0, 2.0}, {2.5, 2.5, 3.0}, {3.75, 3.75, 4.0}}) {
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

// Mean difference per premultiplied channel, `drawn` fitted to `carried`.
double Apart(const QImage& drawn, const QImage& carried)
{
    const QImage a = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                         .scaled(carried.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = carried.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width() * 4; ++x)
            sum += std::abs(a.constScanLine(y)[x] - b.constScanLine(y)[x]);
    return sum / (4.0 * a.width() * a.height());
}

// Above a ratio of 2 the pictures are drawn while the game runs: each one
// the carried sharp picture of its name and index, drawn finer. A list's
// ordinary picture is transparent exactly where the stored one has its
// bottom-left colour, and unchanged elsewhere: a ball neither loses pixels
// nor keeps a white fringe.
TEST(SharpPictures, DrawnForFinerScreensAsTheCarriedOnesAndListsMaskedByTheirKeyColour)
{
    // Hard-edged letters (3.1) and the icon's 16 colours (4.0) move most when
    // fitted; the nearest wrong picture, the help look in the other colour,
    // is 3.8 apart, and the other icon-sized ones far more.
    constexpr double Close = 3.5, CloseForTheIcon = 5.0;
    // The carried sharp pictures are exactly twice the ordinary ones.
    for (const char* control : {"Exit", "Help", "Image2", "Image3", "Image8", "Image10", "Image11", "Image12",
                                "Image13", "Image14", "Image15", "Image16", "icon"}) {
        EXPECT_EQ(StoredPicture(control, 2).size(), StoredPicture(control).size() * 2) << control;
        EXPECT_LT(Apart(StoredPicture(control, 3), StoredPicture(control, 2)),
                  std::string_view(control) == "icon" ? CloseForTheIcon : Close) << control;
    }
    for (QString list : {"Sxema1Big", "Sxema2Big", "Sxema3Big", "Sxema1Small", "Sxema2Small", "Sxema3Small",
                         "ImageList1", "ImageList2", "symbols/Sxema1Big", "symbols/Sxema2Small"}) {
        PictureList pictures(list.section('/', -1));
        pictures.SetFolder(list.section('/', 0, -2, QString::SectionIncludeTrailingSep));
        std::vector<QImage> drawn; // one list at a time, as a screen asks
        for (int k = 0; k < pictures.Count(); ++k)
            drawn.push_back(pictures.Picture(k, 3));
        ASSERT_GT(pictures.Count(), 0);
        EXPECT_TRUE(pictures.Picture(pictures.Count()).isNull());
        for (int k = 0; k < pictures.Count(); ++k) {
            EXPECT_EQ(pictures.Picture(k, 2).size(), pictures.PictureSize() * 2) << list.toStdString() << k;
            EXPECT_LT(Apart(drawn[k], pictures.Picture(k, 2)), Close) << list.toStdString() << k;
            const QImage raw = QImage(QString(":/lists/%1/%2.png").arg(list).arg(k)).convertToFormat(QImage::Format_RGB32);
            const QImage masked = pictures.Picture(k);
            ASSERT_EQ(masked.size(), raw.size());
            const QRgb key = raw.pixel(0, raw.height() - 1);
            int wrong = 0;
            for (int y = 0; y < raw.height(); ++y)
                for (int x = 0; x < raw.width(); ++x)
                    wrong += raw.pixel(x, y) == key ? qAlpha(masked.pixel(x, y)) != 0 : masked.pixel(x, y) != raw.pixel(x, y);
            EXPECT_EQ(wrong, 0) << list.toStdString() << k;
        }
    }
}

} // namespace
} // namespace tumbaro::testing
