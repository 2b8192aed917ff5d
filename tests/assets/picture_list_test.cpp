// The picture lists the window draws from: the mask drawn from the
// bottom-left pixel, and balls and buttons without holes.

#include "picture_checks.h"
#include "ui/pictures/picture_list.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace tumbaro::testing {
namespace {

const char* const Lists[] = {"Sxema1Big",   "Sxema2Big",   "Sxema3Big",  "Sxema1Small",
                             "Sxema2Small", "Sxema3Small", "ImageList1", "ImageList2"};

// Transparent exactly where the stored picture has its bottom-left colour,
// opaque and unchanged everywhere else: a ball neither loses pixels nor keeps
// a white fringe.
TEST(PictureList, EveryPictureIsMaskedByItsBottomLeftColour)
{
    for (const char* name : Lists) {
        SCOPED_TRACE(name);
        const PictureList list(name);
        ASSERT_GT(list.Count(), 0);
        for (int k : {-1, list.Count()}) EXPECT_TRUE(list.Picture(k).isNull()) << k;
        for (int k = 0; k < list.Count(); ++k) {
            const QImage raw = RawListPicture(name, k), masked = list.Picture(k);
            ASSERT_EQ(masked.size(), raw.size());
            const QRgb key = raw.pixel(0, raw.height() - 1);
            int wrong = 0;
            for (int y = 0; y < raw.height(); ++y)
                for (int x = 0; x < raw.width(); ++x)
                    wrong += raw.pixel(x, y) == key ? qAlpha(masked.pixel(x, y)) != 0 : masked.pixel(x, y) != raw.pixel(x, y);
            EXPECT_EQ(wrong, 0) << k;
        }
    }
}

// Balls and button looks are drawn through the same mask: a white pixel inside
// one would punch a hole in it. Only the ring design (scheme 3) has a hole, at
// its centre; the pressed scheme looks are left out, as the gap between the
// ball and its outline is meant to be see-through, and the centre of look 4 of
// ImageList1 is a hole by design.
TEST(PictureList, NoBallOrButtonHasAHole)
{
    std::vector<std::tuple<QString, int, bool>> pictures{{"ImageList1", 0, false}, {"ImageList1", 2, false}, {"ImageList1", 4, true}};
    for (int k = 0; k < 8; ++k) {
        pictures.emplace_back("ImageList2", k, false);
        for (int scheme = 1; scheme <= 3; ++scheme)
            for (const char* size : {"Big", "Small"})
                pictures.emplace_back(QString("Sxema%1%2").arg(scheme).arg(size), k, scheme == 3);
    }
    for (const auto& [list, k, hole] : pictures) {
        const QImage raw = RawListPicture(list, k);
        const std::string what = list.toStdString() + " " + std::to_string(k);
        EXPECT_EQ(raw.pixel(0, raw.height() - 1), White) << what;
        EXPECT_EQ(EnclosedWhitePixels(raw, hole), 0) << what;
        if (hole && list.startsWith("Sxema")) { EXPECT_EQ(raw.pixel(raw.width() / 2, raw.height() / 2), White) << what; }
    }
}

} // namespace
} // namespace tumbaro::testing
