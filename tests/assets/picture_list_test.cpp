// The picture lists and stored pictures the window is built from: counts,
// exact sizes, and the mask drawn from the bottom-left pixel.

#include "picture_checks.h"
#include "ui/pictures/picture_list.h"
#include "ui/pictures/stored_pictures.h"

#include <gtest/gtest.h>

namespace tumbaro::testing {
namespace {

const struct { const char* name; int count; QSize size; } Lists[] = {
    {"Sxema1Big", 8, {51, 50}},   {"Sxema2Big", 8, {51, 51}},   {"Sxema3Big", 8, {51, 51}},
    {"Sxema1Small", 8, {41, 40}}, {"Sxema2Small", 8, {31, 31}}, {"Sxema3Small", 8, {31, 31}},
    {"ImageList1", 6, {41, 41}},  {"ImageList2", 8, {61, 49}},
};

// Transparent exactly where the stored picture has its bottom-left colour,
// opaque and unchanged everywhere else: a ball neither loses pixels nor keeps
// a white fringe.
TEST(PictureList, EveryListHasItsCountSizeAndMask)
{
    for (const auto& shape : Lists) {
        SCOPED_TRACE(shape.name);
        const PictureList list(shape.name);
        ASSERT_EQ(list.Count(), shape.count);
        EXPECT_EQ(list.PictureSize(), shape.size);
        for (int k : {-1, shape.count}) EXPECT_TRUE(list.Picture(k).isNull()) << k;
        for (int k = 0; k < list.Count(); ++k) {
            const QImage raw = RawListPicture(shape.name, k), masked = list.Picture(k);
            ASSERT_EQ(masked.size(), shape.size);
            const QRgb key = raw.pixel(0, raw.height() - 1);
            int wrong = 0;
            for (int y = 0; y < raw.height(); ++y)
                for (int x = 0; x < raw.width(); ++x)
                    wrong += raw.pixel(x, y) == key ? qAlpha(masked.pixel(x, y)) != 0 : masked.pixel(x, y) != raw.pixel(x, y);
            EXPECT_EQ(wrong, 0) << k;
        }
    }
}

// Button looks are drawn through the same mask; a white pixel inside a tile or
// sign would punch a hole in it. (The pressed scheme looks are left out: the
// gap between the ball and its outline is meant to be see-through; the centre
// of look 4 of ImageList1 is a hole by design.)
TEST(PictureList, ButtonLooksHaveNoHoles)
{
    const std::pair<const char*, std::vector<int>> looks[] = {{"ImageList1", {0, 2, 4}}, {"ImageList2", {0, 1, 2, 3, 4, 5, 6, 7}}};
    for (const auto& [list, ks] : looks)
        for (int k : ks) {
            const QImage raw = RawListPicture(list, k);
            EXPECT_EQ(raw.pixel(0, raw.height() - 1), White) << list << " " << k;
            EXPECT_EQ(EnclosedWhitePixels(raw, QString(list) == "ImageList1" && k == 4), 0) << list << " " << k;
        }
}

TEST(StoredPicture, EveryControlPictureHasItsExactSize)
{
    const std::pair<const char*, QSize> pictures[] = {
        {"Exit", {25, 25}},    {"Help", {25, 25}},     {"Image1", {17, 401}},  {"Image2", {17, 401}},
        {"Image3", {161, 17}}, {"Image4", {161, 17}},  {"Image9", {161, 17}},  {"Image5", {17, 17}},
        {"Image6", {17, 17}},  {"Image7", {17, 17}},   {"Image8", {17, 17}},   {"Image10", {153, 41}},
        {"Image11", {40, 41}}, {"Image12", {41, 41}},  {"Image13", {41, 41}},  {"Image14", {161, 65}},
        {"Image15", {61, 49}}, {"Image16", {61, 49}},  {"icon", {32, 32}},     {"Background", {0, 0}}};
    for (const auto& [control, size] : pictures) EXPECT_EQ(StoredPicture(control).size(), size) << control;
    EXPECT_EQ(qAlpha(StoredPicture("icon").pixel(0, 0)), 0) << "the icon stands on a transparent ground";
    // Undo and New game show their released looks until pressed.
    const PictureList looks("ImageList2");
    EXPECT_EQ(TransparentByBottomLeft(StoredPicture("Image15")), looks.Picture(2));
    EXPECT_EQ(TransparentByBottomLeft(StoredPicture("Image16")), looks.Picture(0));
}

} // namespace
} // namespace tumbaro::testing
