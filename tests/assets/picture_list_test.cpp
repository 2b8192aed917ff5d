// The picture lists the window draws from are masked by the colour of each
// picture's bottom-left pixel.

#include "ui/pictures/picture_list.h"

#include <gtest/gtest.h>

namespace tumbaro::testing {
namespace {

// Transparent exactly where the stored picture has its bottom-left colour,
// opaque and unchanged everywhere else: a ball neither loses pixels nor keeps
// a white fringe.
TEST(PictureList, EveryPictureIsMaskedByItsBottomLeftColour)
{
    for (const char* name : {"Sxema1Big", "Sxema2Big", "Sxema3Big", "Sxema1Small", "Sxema2Small", "Sxema3Small",
                             "ImageList1", "ImageList2"}) {
        SCOPED_TRACE(name);
        const PictureList list(name);
        ASSERT_GT(list.Count(), 0);
        EXPECT_TRUE(list.Picture(list.Count()).isNull());
        for (int k = 0; k < list.Count(); ++k) {
            const QImage raw = QImage(QString(":/lists/%1/%2.png").arg(name).arg(k)).convertToFormat(QImage::Format_RGB32);
            const QImage masked = list.Picture(k);
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

} // namespace
} // namespace tumbaro::testing
