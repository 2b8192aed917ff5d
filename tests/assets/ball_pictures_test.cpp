// The ball sets as the board will draw them: white surround and hole, no
// accidental holes, eight designs told apart, small pictures that match.

#include "picture_checks.h"

#include <gtest/gtest.h>

namespace tumbaro::testing {
namespace {

const struct { int scheme; QSize big, small; } Schemes[] = {{1, {51, 50}, {41, 40}}, {2, {51, 51}, {31, 31}}, {3, {51, 51}, {31, 31}}};

QImage Ball(int scheme, bool big, int k) { return RawListPicture(QString("Sxema%1%2").arg(scheme).arg(big ? "Big" : "Small"), k); }

// Two designs differ clearly when their mean channel difference over the ball
// pixels is at least this; the closest pair of any scheme measures well above
// it (a flat recolour by 30 levels would not pass).
constexpr double DistinctDesigns = 30.0;
// The big picture scaled to the small size must be this close to the small one
// (over the shared ball pixels), and closer to it than to any other design.
constexpr double SameDesignScaled = 26.0;

TEST(BallPictures, SurroundIsWhiteAndNoBallHasAHole)
{
    for (const auto& set : Schemes)
        for (bool big : {true, false})
            for (int k = 0; k < 8; ++k) {
                SCOPED_TRACE(::testing::Message() << "scheme " << set.scheme << (big ? " big " : " small ") << k);
                const QImage ball = Ball(set.scheme, big, k);
                ASSERT_EQ(ball.size(), big ? set.big : set.small);
                EXPECT_EQ(ball.pixel(0, ball.height() - 1), White);
                const bool ring = set.scheme == 3; // the background must show through the ring
                if (ring) { EXPECT_EQ(ball.pixel(ball.width() / 2, ball.height() / 2), White); }
                EXPECT_EQ(EnclosedWhitePixels(ball, ring), 0);
                // A ball worth the name: at least a third of the picture.
                int pixels = 0;
                for (int y = 0; y < ball.height(); ++y)
                    for (int x = 0; x < ball.width(); ++x) pixels += ball.pixel(x, y) != White;
                EXPECT_GT(pixels * 3, ball.width() * ball.height());
            }
}

TEST(BallPictures, DesignsDifferClearlyAndSmallOnesMatchTheBig)
{
    for (const auto& set : Schemes)
        for (int k = 0; k < 8; ++k) {
            SCOPED_TRACE(::testing::Message() << "scheme " << set.scheme << " design " << k);
            const QImage scaled = Ball(set.scheme, true, k).scaled(set.small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const double own = MeanColourDistance(scaled, Ball(set.scheme, false, k), true);
            EXPECT_LT(own, SameDesignScaled);
            for (int other = 0; other < 8; ++other) {
                if (other == k) continue;
                EXPECT_LT(own, MeanColourDistance(scaled, Ball(set.scheme, false, other), true)) << "like small " << other;
                EXPECT_GE(MeanColourDistance(Ball(set.scheme, true, k), Ball(set.scheme, true, other)), DistinctDesigns)
                    << "like big " << other;
            }
        }
}

} // namespace
} // namespace tumbaro::testing
