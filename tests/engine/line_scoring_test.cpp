#include "engine/line_scoring.h"
#include "board_strings.h"

#include <gtest/gtest.h>

#include <vector>

namespace tumbaro {
namespace {

using test::Overlay;

struct Scored {
    Matrix board;
    std::int32_t score = 0;
    std::vector<std::int32_t> shown;
};

Scored RunFinders(Matrix board, std::int32_t score = 0)
{
    Scored out{board, score, {}};
    auto show = [&](std::int32_t s, std::int32_t) { out.shown.push_back(s); };
    RemoveLines(out.board, 5, FiveBallPoints, out.score, show);
    RemoveLines(out.board, 4, FourBallPoints, out.score, show);
    RemoveLines(out.board, 3, ThreeBallPoints, out.score, show);
    return out;
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
        {"a diagonal is no line",
         {"6-------", "-6------", "--6-----", "--------", "--------", "--------", "--------", "--------"},
         {"6-------", "-6------", "--6-----", "--------", "--------", "--------", "--------", "--------"}, 0},
    };
    for (const Case& c : cases) {
        const Scored result = RunFinders(Overlay(c.before), 100);
        EXPECT_EQ(test::TextOf(result.board), test::TextOf(Overlay(c.after))) << c.what;
        EXPECT_EQ(result.score, 100 + c.points) << c.what;
    }
}

TEST(LineScoring, ShowsTheScoreAfterEachLine)
{
    const Scored result = RunFinders(
        Overlay({"666-----", "--------", "--------", "--------", "-----7--", "-----7--", "-----7--", "--------"}), 40);
    EXPECT_EQ(result.score, 70);
    // The column (found first) is shown before the row.
    EXPECT_EQ(result.shown, (std::vector<std::int32_t>{55, 70}));
}

} // namespace
} // namespace tumbaro
