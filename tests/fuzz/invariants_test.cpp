// The soak run is only as good as its checks: each kind of broken board must
// be caught and a sound board must pass, or a long clean soak proves nothing.

#include "engine/board.h"
#include "tests/engine/board_strings.h"
#include "tools/replay/invariants.h"

#include <gtest/gtest.h>

namespace tumbaro {
namespace {

using test::BoardFrom;

// Neither a line nor a move: each colour appears once per row and only every
// fourth row in a column.
const Matrix Stuck = BoardFrom({"01234567", "23456701", "45670123", "67012345",
                                "01234567", "23456701", "45670123", "67012345"});

// The last pairs the brute force tries are where an off-by-one would hide.
TEST(AnyMoveByBruteForce, FindsMovesUpToTheLastPairs)
{
    struct Case {
        const char* what;
        Matrix board;
        bool move;
    };
    const Case cases[] = {
        {"no move anywhere", Stuck, false},
        {"only move is the last column's lowest pair",
         BoardFrom({"01234567", "23456701", "45670123", "67012345",
                    "01234567", "23456701", "45670123", "67012335"}),
         true},
        {"only move is the bottom row's rightmost pair",
         BoardFrom({"01234567", "23456701", "45670123", "67012345",
                    "01234567", "23456721", "45670123", "67012342"}),
         true},
    };
    for (const Case& c : cases) {
        ASSERT_FALSE(FindLine(c.board)) << c.what;
        EXPECT_EQ(AnyMoveByBruteForce(c.board), c.move) << c.what;
        EXPECT_FALSE(SettledBoardFault(c.board)) << c.what << ": " << SettledBoardFault(c.board).value_or("");
    }
}

TEST(SettledBoardFault, CatchesEachBrokenInvariant)
{
    struct Case {
        const char* what;
        Matrix board;
        const char* expected;
    };
    Matrix colourEight = Stuck;
    colourEight[9] = 8;
    Matrix negative = Stuck;
    negative[63] = -1;
    Matrix hole = Stuck;
    hole[20] = EmptyCell;
    const Case cases[] = {
        {"colour above seven", colourEight, "cell 9 holds colour 8"},
        {"negative colour", negative, "cell 63 holds colour -1"},
        {"hole a line left", hole, "cell 20 holds colour 10"},
        {"line in the bottom row",
         BoardFrom({"01234567", "23456701", "45670123", "67012345",
                    "01234567", "23456701", "45670123", "67012555"}),
         "a line is left"},
    };
    for (const Case& c : cases) {
        const auto fault = SettledBoardFault(c.board);
        ASSERT_TRUE(fault) << c.what;
        EXPECT_NE(fault->find(c.expected), std::string::npos) << c.what << ": " << *fault;
    }
}

} // namespace
} // namespace tumbaro
