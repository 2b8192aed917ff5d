#include "engine/board.h"
#include "board_strings.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>

namespace tumbaro {
namespace {

bool BruteHasLine(const Matrix& m)
{
    for (int i = 0; i < 64; ++i) {
        const int r = i / 8, c = i % 8;
        if (m[i] != EmptyCell && ((c <= 5 && m[i + 1] == m[i] && m[i + 2] == m[i]) || (r <= 5 && m[i + 8] == m[i] && m[i + 16] == m[i])))
            return true;
    }
    return false;
}

TEST(MoveSearch, AgreesWithTryingEverySwapOnThousandsOfSettledBoards)
{
    std::mt19937 rng(20261206);
    int withMove = 0, withoutMove = 0;
    // Boards without a move are rare, so keep going until enough were seen.
    for (int n = 0; n < 6000 || (withoutMove < 100 && n < 200000); ++n) {
        std::uniform_int_distribution<int> pick(0, 2 + n % 8); // up to colour 9, never EmptyCell
        Matrix m{};
        for (auto& v : m)
            v = pick(rng);
        while (BruteHasLine(m))
            for (int i = 0; i < 64; ++i)
                if ((i % 8 <= 5 && m[i] == m[i + 1] && m[i] == m[i + 2]) || (i < 48 && m[i] == m[i + 8] && m[i] == m[i + 16]))
                    m[i] = pick(rng);
        bool expected = false;
        // Every pair of neighbours (i, j), j to the right of or below i.
        for (int i = 0; i < 64; ++i)
            for (const int j : {i % 8 != 7 ? i + 1 : -1, i < 56 ? i + 8 : -1}) {
                if (j < 0)
                    continue;
                Matrix s = m;
                std::swap(s[i], s[j]);
                const bool line = BruteHasLine(s);
                expected = expected || line;
                ASSERT_EQ(SwapMakesLine(m, i, j), line) << test::TextOf(m) << " swap " << i << "," << j;
            }
        ASSERT_EQ(FindLine2(m), expected) << test::TextOf(m);
        (expected ? withMove : withoutMove)++;
    }
    EXPECT_GT(withMove, 1000);
    EXPECT_GE(withoutMove, 100);
}

} // namespace
} // namespace tumbaro
