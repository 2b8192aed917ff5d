#include "engine/line_scoring.h"
#include "board_strings.h"

#include <gtest/gtest.h>

#include <utility>

namespace tumbaro {
namespace {

using test::Overlay;

// The board after the finders ran as a move runs them, longest first, and the
// points they made.
std::pair<Matrix, std::int32_t> RunFinders(Matrix board)
{
    std::int32_t score = 0;
    for (const auto& [length, points] : {std::pair{5, FiveBallPoints}, {4, FourBallPoints}, {3, ThreeBallPoints}})
        RemoveLines(board, length, points, score, [](std::int32_t, std::int32_t) {});
    return {board, score};
}

struct Case {
    const char* what;
    std::array<const char*, 8> before, after;
    std::int32_t points;
};

TEST(LineScoring, FindsLongerLinesFirstAndColumnsBeforeRows)
{
    const Case cases[] = {
        {"column of six: top five go, the sixth stays",
         {"6-------", "6-------", "6-------", "6-------", "6-------", "6-------", "--------", "--------"},
         {".-------", ".-------", ".-------", ".-------", ".-------", "6-------", "--------", "--------"}, 50},
        {"column of eight: five, then the bottom three",
         {"-------7", "-------7", "-------7", "-------7", "-------7", "-------7", "-------7", "-------7"},
         {"-------.", "-------.", "-------.", "-------.", "-------.", "-------.", "-------.", "-------."}, 65},
        {"cross of five: the column of three goes, the row's ends stay",
         {"--------", "--------", "---6----", "--666---", "---6----", "--------", "--------", "--------"},
         {"--------", "--------", "---.----", "--6.6---", "---.----", "--------", "--------", "--------"}, 15},
        {"row of four sharing its end with a column of three",
         {"--------", "--------", "-6666---", "----6---", "----6---", "--------", "--------", "--------"},
         {"--------", "--------", "-....---", "----6---", "----6---", "--------", "--------", "--------"}, 30},
        {"row of five on top of a column of four: the rest of the column is a three",
         {"77777---", "----7---", "----7---", "----7---", "--------", "--------", "--------", "--------"},
         {".....---", "----.---", "----.---", "----.---", "--------", "--------", "--------", "--------"}, 65},
        {"an L: the column is found first and takes the corner",
         {"--6-----", "--6-----", "--666---", "--------", "--------", "--------", "--------", "--------"},
         {"--.-----", "--.-----", "--.66---", "--------", "--------", "--------", "--------", "--------"}, 15},
        {"a run of four in a row at the right edge",
         {"--------", "--------", "--------", "--------", "--------", "--------", "--------", "----7777"},
         {"--------", "--------", "--------", "--------", "--------", "--------", "--------", "----...."}, 30},
    };
    for (const Case& c : cases) {
        const auto [board, points] = RunFinders(Overlay(c.before));
        EXPECT_EQ(test::TextOf(board), test::TextOf(Overlay(c.after))) << c.what;
        EXPECT_EQ(points, c.points) << c.what;
    }
}

} // namespace
} // namespace tumbaro
