// Drawing that must hold at any screen scale: a picture made for another
// pixel ratio than the screen's is fitted smoothly, and a long name in the
// table is cut at the box's edge instead of being shortened.

#include "window_fixture.h"

#include <QImage>
#include <QPainter>

namespace tumbaro::test {
namespace {

using WindowScale = WindowTest;

// A sharp picture on an ordinary screen (or the reverse) is averaged down, not
// sampled: a fine black and white check becomes even grey, never a solid
// colour from one of its pixels.
TEST_F(WindowScale, APictureOfAnotherRatioIsFittedSmoothly)
{
    Start();
    PictureControl* corner = Find(QStringLiteral("Image5"));
    QImage check(34, 34, QImage::Format_RGB32);
    for (int y = 0; y < 34; ++y)
        for (int x = 0; x < 34; ++x)
            check.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    check.setDevicePixelRatio(2);
    corner->SetPicture(check);
    EXPECT_EQ(corner->PictureSize(), QSize(17, 17));
    const QImage shown = corner->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(17, 17));
    for (QPoint at : {QPoint(5, 5), QPoint(12, 13), QPoint(16, 7)})
        EXPECT_NEAR(qGray(shown.pixel(at)), 128, 24) << at.x() << "," << at.y();
}

TEST_F(WindowScale, ALongNameIsCutAtTheBoxEdge)
{
    Start();
    auto* names = Find<QListWidget>(QStringLiteral("ListBox1"));
    auto row = [&](const QString& text) {
        names->item(0)->setText(text);
        names->clearSelection();
        const QRect item = names->visualItemRect(names->item(0));
        return names->viewport()->grab(item).toImage();
    };
    const QImage cut = row(QStringLiteral("ABCDEFGH")), elided = row(QStringLiteral("ABCDEF") + QChar(0x2026));
    const QImage longer = row(QStringLiteral("ABCDEFGHIJKL"));
    EXPECT_NE(cut, elided) << "the name was shortened with an ellipsis";
    // Letters run on to the last column of the box.
    const QColor ground = cut.pixelColor(cut.width() - 1, 0);
    int inked = 0;
    for (int y = 0; y < cut.height(); ++y)
        inked += cut.pixelColor(cut.width() - 1, y) != ground;
    EXPECT_GT(inked, 0);
    EXPECT_EQ(cut, longer) << "what lies beyond the edge is not drawn at all";
}

} // namespace
} // namespace tumbaro::test
