// The picture lists and stored pictures the window is built from: counts,
// exact sizes, and the mask drawn from the bottom-left pixel.

#include "picture_checks.h"
#include "ui/pictures/picture_list.h"
#include "ui/pictures/stored_pictures.h"

#include <gtest/gtest.h>

#include <QSet>

namespace tumbaro::testing {
namespace {

struct ListShape {
    const char* name;
    int count;
    QSize size;
};

const ListShape Lists[] = {
    {"Sxema1Big", 8, {51, 50}},   {"Sxema2Big", 8, {51, 51}},   {"Sxema3Big", 8, {51, 51}},
    {"Sxema1Small", 8, {41, 40}}, {"Sxema2Small", 8, {31, 31}}, {"Sxema3Small", 8, {31, 31}},
    {"ImageList1", 6, {41, 41}},  {"ImageList2", 8, {61, 49}},
};

TEST(PictureList, EveryListHasItsCountAndExactSize)
{
    for (const ListShape& shape : Lists) {
        SCOPED_TRACE(shape.name);
        const PictureList list(shape.name);
        EXPECT_EQ(list.objectName(), shape.name);
        ASSERT_EQ(list.Count(), shape.count);
        EXPECT_EQ(list.PictureSize(), shape.size);
        for (int k = 0; k < list.Count(); ++k) {
            EXPECT_EQ(list.Picture(k).size(), shape.size);
            EXPECT_EQ(list.Picture(k).format(), QImage::Format_ARGB32_Premultiplied);
        }
        for (int k : {-1, shape.count, 10})
            EXPECT_TRUE(list.Picture(k).isNull()) << k;
    }
}

TEST(PictureList, UnknownListIsEmpty)
{
    const PictureList list("Sxema4Big");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.PictureSize().isEmpty());
    EXPECT_TRUE(list.Picture(0).isNull());
}

// Transparent exactly where the stored picture has its bottom-left colour,
// opaque everywhere else: a ball neither loses pixels nor keeps a white fringe.
TEST(PictureList, MaskClearsExactlyTheBottomLeftColour)
{
    for (const ListShape& shape : Lists) {
        const PictureList list(shape.name);
        for (int k = 0; k < list.Count(); ++k) {
            const QImage raw = RawListPicture(shape.name, k);
            const QImage masked = list.Picture(k);
            const QRgb key = raw.pixel(0, raw.height() - 1);
            int wrong = 0;
            for (int y = 0; y < raw.height(); ++y)
                for (int x = 0; x < raw.width(); ++x)
                    wrong += (qAlpha(masked.pixel(x, y)) == 0) != (raw.pixel(x, y) == key) ||
                             (raw.pixel(x, y) != key && masked.pixel(x, y) != raw.pixel(x, y));
            EXPECT_EQ(wrong, 0) << shape.name << " " << k;
        }
    }
}

// Button looks are drawn through the same mask; a white pixel inside a tile or
// sign would punch a hole in it. (The pressed scheme looks are left out: the
// gap between the ball and its outline is meant to be see-through.)
TEST(PictureList, ButtonLooksHaveNoHoles)
{
    const struct {
        const char* list;
        int k;
        bool holeAtCentre;
    } looks[] = {{"ImageList1", 0, false}, {"ImageList1", 2, false}, {"ImageList1", 4, true},
                 {"ImageList2", 0, false}, {"ImageList2", 1, false}, {"ImageList2", 2, false},
                 {"ImageList2", 3, false}, {"ImageList2", 4, false}, {"ImageList2", 5, false},
                 {"ImageList2", 6, false}, {"ImageList2", 7, false}};
    for (const auto& look : looks) {
        const QImage raw = RawListPicture(look.list, look.k);
        EXPECT_EQ(raw.pixel(0, raw.height() - 1), White) << look.list << " " << look.k;
        EXPECT_EQ(EnclosedWhitePixels(raw, look.holeAtCentre), 0) << look.list << " " << look.k;
    }
}

TEST(StoredPicture, EveryControlPictureHasItsExactSize)
{
    const struct {
        const char* control;
        QSize size;
    } pictures[] = {
        {"Exit", {25, 25}},    {"Help", {25, 25}},     {"Image1", {17, 401}},  {"Image2", {17, 401}},
        {"Image3", {161, 17}}, {"Image4", {161, 17}},  {"Image9", {161, 17}},  {"Image5", {17, 17}},
        {"Image6", {17, 17}},  {"Image7", {17, 17}},   {"Image8", {17, 17}},   {"Image10", {153, 41}},
        {"Image11", {40, 41}}, {"Image12", {41, 41}},  {"Image13", {41, 41}},  {"Image14", {161, 65}},
        {"Image15", {61, 49}}, {"Image16", {61, 49}},  {"icon", {32, 32}},
    };
    for (const auto& p : pictures)
        EXPECT_EQ(StoredPicture(p.control).size(), p.size) << p.control;
    EXPECT_TRUE(StoredPicture("Background").isNull());
    EXPECT_TRUE(StoredPicture("Ball11").isNull());
    EXPECT_EQ(StoredPicture("Image2"), StoredPicture("Image1"));
}

TEST(StoredPicture, UndoAndNewGameShowTheirReleasedLooks)
{
    const PictureList looks("ImageList2");
    EXPECT_EQ(TransparentByBottomLeft(StoredPicture("Image15")), looks.Picture(2));
    EXPECT_EQ(TransparentByBottomLeft(StoredPicture("Image16")), looks.Picture(0));
}

TEST(StoredPicture, IconHasSixteenColoursOnATransparentGround)
{
    const QImage icon = StoredPicture("icon");
    QSet<QRgb> colours;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            colours.insert(icon.pixel(x, y));
    EXPECT_LE(colours.size(), 16);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(16, 20)), 255);
}

TEST(TransparentByBottomLeft, KeysOnTheBottomLeftColourWhateverItIs)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    picture.setPixel(1, 0, qRgb(10, 20, 31));
    const QImage masked = TransparentByBottomLeft(picture);
    EXPECT_EQ(masked.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(qAlpha(masked.pixel(0, 0)), 0);
    EXPECT_EQ(masked.pixel(1, 0), qRgb(10, 20, 31));
    EXPECT_TRUE(TransparentByBottomLeft(QImage()).isNull());
}

} // namespace
} // namespace tumbaro::testing
