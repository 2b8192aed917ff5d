#include "engine/board.h"
#include "board_strings.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>

namespace tumbaro {
namespace {

using test::BoardFrom;

bool BruteHasLine(const Matrix& m)
{
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            const auto v = m[8 * r + c];
            if (v == EmptyCell)
                continue;
            if (c <= 5 && m[8 * r + c + 1] == v && m[8 * r + c + 2] == v)
                return true;
            if (r <= 5 && m[8 * (r + 1) + c] == v && m[8 * (r + 2) + c] == v)
                return true;
        }
    return false;
}

bool BruteHasMove(const Matrix& m)
{
    for (int i = 0; i < 64; ++i)
        for (int j : {i + 1, i + 8}) {
            if (j >= 64 || (j == i + 1 && i % 8 == 7))
                continue;
            Matrix s = m;
            std::swap(s[i], s[j]);
            if (BruteHasLine(s))
                return true;
        }
    return false;
}

// Settled boards over a palette of `colours`, drawn by the test's own
// generator so they are unlike the game's own deals.
Matrix SettledBoard(std::mt19937& rng, int colours)
{
    std::uniform_int_distribution<int> pick(0, colours - 1);
    Matrix m{};
    for (auto& v : m)
        v = pick(rng);
    while (BruteHasLine(m)) {
        for (int i = 0; i < 64; ++i) {
            const int r = i / 8, c = i % 8;
            if ((c <= 5 && m[i] == m[i + 1] && m[i] == m[i + 2]) || (r <= 5 && m[i] == m[i + 8] && m[i] == m[i + 16]))
                m[i] = pick(rng);
        }
    }
    return m;
}

TEST(FindLine2, AgreesWithTryingEverySwapOnThousandsOfSettledBoards)
{
    std::mt19937 rng(20261206);
    int withMove = 0, withoutMove = 0;
    // Boards without a move are rare, so keep going until enough were seen.
    for (int n = 0; n < 6000 || (withoutMove < 100 && n < 200000); ++n) {
        const Matrix m = SettledBoard(rng, 3 + n % 8); // up to colour 9, never EmptyCell
        const bool expected = BruteHasMove(m);
        ASSERT_EQ(FindLine2(m), expected) << test::TextOf(m);
        (expected ? withMove : withoutMove)++;
        // The local test the replay tool uses must agree with a full search.
        for (int i = 0; i < 64; ++i)
            for (int j : {i + 1, i + 8}) {
                if (j >= 64 || (j == i + 1 && i % 8 == 7))
                    continue;
                Matrix s = m;
                std::swap(s[i], s[j]);
                ASSERT_EQ(SwapMakesLine(m, i, j), BruteHasLine(s)) << test::TextOf(m) << " swap " << i << "," << j;
            }
    }
    // Both answers must have been exercised for the comparison to mean anything.
    EXPECT_GT(withMove, 1000);
    EXPECT_GE(withoutMove, 100);
}

TEST(FindLine, OnlyRealColoursMakeLinesAndTheLastRowAndColumnCount)
{
    Matrix m{};
    for (int i = 0; i < 64; ++i)
        m[i] = (i / 8 + i % 8) % 2 == 0 ? EmptyCell : (i / 8 * 3 + i % 8) % 5; // empties on a checkerboard
    m[0] = m[1] = m[2] = EmptyCell;
    m[8] = m[16] = m[24] = EmptyCell;
    EXPECT_FALSE(FindLine(m));
    Matrix bottom = m;
    bottom[61] = bottom[62] = bottom[63] = 6;
    EXPECT_TRUE(FindLine(bottom));
    Matrix right = m;
    right[47] = right[55] = right[63] = 6;
    EXPECT_TRUE(FindLine(right));
    Matrix diagonal = m;
    diagonal[0] = diagonal[9] = diagonal[18] = 6;
    EXPECT_FALSE(FindLine(diagonal));
}

TEST(DealBoard, DealsTheKnownBoardForASeedAndLeavesNoRun)
{
    // Worked out independently of this code, from the rules of the deal:
    // 64 draws row by row, then sweeps that redraw the two later cells of
    // each run, columns before rows.
    const std::pair<std::int64_t, const char*> known[] = {
        {0, "26046644/72134231/77617700/20211225/73063073/60041651/04372205/53522112/"},
        {1, "54200346/65140433/56215705/70077505/57174230/13530535/64036615/01405713/"},
        {42, "14164614/05573650/77300213/14461515/17501350/07717235/14765044/53254157/"},
        {1733500000, "43263261/21525740/26476224/50204727/21263275/51722022/44332153/21417051/"},
    };
    RandomGenerator random;
    Matrix board{};
    for (const auto& [time, text] : known) {
        random.Seed(time);
        DealBoard(board, random);
        EXPECT_EQ(test::TextOf(board), text) << "T = " << time;
    }

    std::mt19937 rng(7);
    for (int n = 0; n < 2000; ++n) {
        random.Seed(rng());
        DealBoard(board, random);
        ASSERT_FALSE(BruteHasLine(board)) << test::TextOf(board);
        for (auto v : board)
            ASSERT_TRUE(v >= 0 && v < 8);
    }
}

} // namespace
} // namespace tumbaro
