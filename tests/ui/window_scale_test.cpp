// Drawing that must hold at any screen scale: a picture made for another
// pixel ratio than the screen's is fitted smoothly, and a long name in the
// table is cut at the box's edge instead of being shortened.

#include "window_fixture.h"

namespace tumbaro::test {
namespace {

using WindowScale = WindowTest;

// A fine black and white check made for a 2x screen, shown on a 1x one,
// becomes even grey, never a solid colour sampled from one of its pixels.
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
    const QImage shown = corner->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(17, 17));
    for (QPoint at : {QPoint(5, 5), QPoint(12, 13)})
        EXPECT_NEAR(qGray(shown.pixel(at)), 128, 24) << at.x() << "," << at.y();
}

TEST_F(WindowScale, ALongNameIsCutAtTheBoxEdgeWithoutAnEllipsis)
{
    Start();
    auto* names = Find<QListWidget>(QStringLiteral("ListBox1"));
    auto row = [&](const QString& text) {
        names->item(0)->setText(text);
        names->clearSelection();
        return names->viewport()->grab(names->visualItemRect(names->item(0))).toImage();
    };
    const QImage cut = row(QStringLiteral("ABCDEFGH"));
    EXPECT_NE(cut, row(QStringLiteral("ABCDEF") + QChar(0x2026))) << "the name was shortened with an ellipsis";
    EXPECT_EQ(cut, row(QStringLiteral("ABCDEFGHIJKL"))) << "what lies beyond the edge is not drawn at all";
}

} // namespace
} // namespace tumbaro::test
