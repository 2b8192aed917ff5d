#include "engine/line_scoring.h"
#include "board_strings.h"

#include <gtest/gtest.h>

#include <vector>

namespace tumbaro {
namespace {

// Filler that holds no line and no 6 or 7: consecutive cells always differ.
std::int32_t Filler(int i) { return (3 * (i / 8) + 5 * (i % 8)) % 6; }

// '-' is filler, a digit an overlaid ball, '.' (expected only) a removed ball.
Matrix Make(const std::array<const char*, 8>& rows)
{
    Matrix m{};
    for (int i = 0; i < 64; ++i) {
        const char ch = rows[i / 8][i % 8];
        m[i] = ch == '-' ? Filler(i) : ch == '.' ? EmptyCell : ch - '0';
    }
    return m;
}

struct Scored {
    Matrix board;
    std::int32_t score = 0;
    std::vector<std::int32_t> shown;
};

Scored RunFinders(Matrix board, std::int32_t score = 0)
{
    Scored out{board, score, {}};
    auto show = [&](std::int32_t s) { out.shown.push_back(s); };
    RemoveLines(out.board, 5, FiveBallPoints, out.score, show);
    RemoveLines(out.board, 4, FourBallPoints, out.score, show);
    RemoveLines(out.board, 3, ThreeBallPoints, out.score, show);
    return out;
}

struct Case {
    const char* what;
    std::array<const char*, 8> before;
    std::array<const char*, 8> after;
    std::int32_t points;
};

TEST(LineScoring, FindsLongerLinesFirstAndColumnsBeforeRows)
{
    const Case cases[] = {
        {"column of six: top five go, the sixth stays",
         {"6-------", "6-------", "6-------", "6-------", "6-------", "6-------", "--------", "--------"},
         {".-------", ".-------", ".-------", ".-------", ".-------", "6-------", "--------", "--------"}, 50},
        {"column of seven: top five go, two stay",
         {"-6------", "-6------", "-6------", "-6------", "-6------", "-6------", "-6------", "--------"},
         {"-.------", "-.------", "-.------", "-.------", "-.------", "-6------", "-6------", "--------"}, 50},
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
        const Scored result = RunFinders(Make(c.before), 100);
        EXPECT_EQ(test::TextOf(result.board), test::TextOf(Make(c.after))) << c.what;
        EXPECT_EQ(result.score, 100 + c.points) << c.what;
    }
}

TEST(LineScoring, ShowsTheScoreAfterEachLine)
{
    const Scored result = RunFinders(
        Make({"666-----", "--------", "--------", "--------", "-----7--", "-----7--", "-----7--", "--------"}), 40);
    EXPECT_EQ(result.score, 70);
    // The column (found first) is shown before the row.
    EXPECT_EQ(result.shown, (std::vector<std::int32_t>{55, 70}));
}

} // namespace
} // namespace tumbaro
