// The soak run is only as good as its checks: each kind of broken board must
// be caught and a sound board must pass, or a long clean soak proves nothing.

#include "engine/board.h"
#include "tests/engine/board_strings.h"
#include "tools/replay/invariants.h"

#include <gtest/gtest.h>

namespace tumbaro {
namespace {

using test::Overlay;

// Neither a line nor a move: each colour appears once per row and only every
// fourth row in a column. Rows 6 to 8 vary below.
Matrix Stuck(const char* row6 = "23456701", const char* row7 = "45670123", const char* row8 = "67012345")
{
    return Overlay({"01234567", "23456701", "45670123", "67012345", "01234567", row6, row7, row8});
}

TEST(SoakChecks, CatchEachBrokenBoardAndFindTheLastMoves)
{
    // The last pairs the brute force tries are where an off-by-one would hide.
    EXPECT_FALSE(AnyMoveByBruteForce(Stuck()));
    EXPECT_TRUE(AnyMoveByBruteForce(Stuck("23456701", "45670123", "67012335"))) << "last column's lowest pair";
    EXPECT_TRUE(AnyMoveByBruteForce(Stuck("23456721", "45670123", "67012342"))) << "bottom row's rightmost pair";
    EXPECT_FALSE(SettledBoardFault(Stuck()));

    Matrix colourEight = Stuck(), negative = Stuck(), hole = Stuck();
    colourEight[9] = 8;
    negative[63] = -1;
    hole[20] = EmptyCell;
    const std::pair<Matrix, const char*> broken[] = {
        {colourEight, "cell 9 holds colour 8"}, {negative, "cell 63 holds colour -1"},
        {hole, "cell 20 holds colour 10"}, {Stuck("23456701", "45670123", "67012555"), "a line is left"}};
    for (const auto& [board, expected] : broken) {
        const auto fault = SettledBoardFault(board);
        ASSERT_TRUE(fault) << expected;
        EXPECT_NE(fault->find(expected), std::string::npos) << *fault;
    }
}

} // namespace
} // namespace tumbaro
