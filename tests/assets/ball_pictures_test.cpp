// The ball sets as the board will draw them: white surround and hole, no
// accidental holes, eight designs told apart, small pictures that match.

#include "picture_checks.h"

#include <gtest/gtest.h>

#include <QString>

namespace tumbaro::testing {
namespace {

struct BallSet {
    int scheme;
    QSize big;
    QSize small;
};

const BallSet Schemes[] = {{1, {51, 50}, {41, 40}}, {2, {51, 51}, {31, 31}}, {3, {51, 51}, {31, 31}}};

QString ListName(int scheme, bool big) { return QString("Sxema%1%2").arg(scheme).arg(big ? "Big" : "Small"); }

TEST(BallPictures, SurroundIsWhiteAndNoBallHasAHole)
{
    for (const BallSet& set : Schemes)
        for (bool big : {true, false})
            for (int k = 0; k < 8; ++k) {
                SCOPED_TRACE(ListName(set.scheme, big).toStdString() + " " + std::to_string(k));
                const QImage picture = RawListPicture(ListName(set.scheme, big), k);
                ASSERT_EQ(picture.size(), big ? set.big : set.small);
                EXPECT_EQ(picture.pixel(0, picture.height() - 1), White);
                const bool ring = set.scheme == 3;
                if (ring) {
                    EXPECT_EQ(picture.pixel(picture.width() / 2, picture.height() / 2), White)
                        << "the background must show through the ring";
                }
                EXPECT_EQ(EnclosedWhitePixels(picture, ring), 0);
                // A ball worth the name: at least a third of the picture.
                int ball = 0;
                for (int y = 0; y < picture.height(); ++y)
                    for (int x = 0; x < picture.width(); ++x)
                        ball += picture.pixel(x, y) != White;
                EXPECT_GT(ball * 3, picture.width() * picture.height());
            }
}

// Two designs differ clearly when their mean channel difference over the
// ball pixels is at least this; the closest pair of any scheme measures well
// above it (a flat recolour by 30 levels would not pass).
constexpr double DistinctDesigns = 30.0;

TEST(BallPictures, EightDesignsOfASchemeDifferClearly)
{
    for (const BallSet& set : Schemes)
        for (int a = 0; a < 8; ++a)
            for (int b = a + 1; b < 8; ++b) {
                const double d = MeanColourDistance(RawListPicture(ListName(set.scheme, true), a),
                                                    RawListPicture(ListName(set.scheme, true), b));
                EXPECT_GE(d, DistinctDesigns) << "scheme " << set.scheme << " designs " << a << " and " << b;
            }
}

// The big picture scaled to the small size must be close to the small one
// (mean channel difference over the shared ball pixels) and closer to it than
// to any other small design of the scheme.
constexpr double SameDesignScaled = 26.0;

TEST(BallPictures, SmallPictureIsTheBigOneScaledDown)
{
    for (const BallSet& set : Schemes)
        for (int k = 0; k < 8; ++k) {
            const QImage scaled = RawListPicture(ListName(set.scheme, true), k)
                                      .scaled(set.small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const double own = MeanColourDistance(scaled, RawListPicture(ListName(set.scheme, false), k), true);
            EXPECT_LT(own, SameDesignScaled) << "scheme " << set.scheme << " design " << k;
            for (int other = 0; other < 8; ++other)
                if (other != k) {
                    EXPECT_LT(own, MeanColourDistance(scaled, RawListPicture(ListName(set.scheme, false), other), true))
                        << "scheme " << set.scheme << " design " << k << " looks more like small " << other;
                }
        }
}

} // namespace
} // namespace tumbaro::testing
