#include "tools/replay/invariants.h"

#include "engine/board.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tumbaro {

bool AnyMoveByBruteForce(const Matrix& board)
{
    Matrix trial = board;
    for (int r = 0; r < BoardSize; ++r) {
        for (int c = 0; c < BoardSize; ++c) {
            const int here = BoardSize * r + c;
            // Every unordered pair of neighbours once: partner right, then below.
            for (const int there : {c + 1 < BoardSize ? here + 1 : -1, r + 1 < BoardSize ? here + BoardSize : -1}) {
                if (there < 0)
                    continue;
                std::swap(trial[here], trial[there]);
                const bool line = FindLine(trial);
                std::swap(trial[here], trial[there]);
                if (line)
                    return true;
            }
        }
    }
    return false;
}

std::optional<std::string> SettledBoardFault(const Matrix& board)
{
    for (int i = 0; i < CellCount; ++i)
        if (board[i] < 0 || board[i] >= ColourCount)
            return "cell " + std::to_string(i) + " holds colour " + std::to_string(board[i]);
    if (FindLine(board))
        return std::string("a line is left on the settled board");
    const bool fast = FindLine2(board);
    if (fast != AnyMoveByBruteForce(board))
        return std::string("FindLine2 says ") + (fast ? "a move exists" : "no move exists")
               + " but trying every swap says otherwise";
    return std::nullopt;
}

void CheckSettledBoard(const Matrix& board, std::int64_t seed, std::int64_t moves)
{
    const auto fault = SettledBoardFault(board);
    if (!fault)
        return;
    std::fprintf(stderr, "tumbaro-replay: invariant broken at seed %lld after %lld moves: %s\n",
                 static_cast<long long>(seed), static_cast<long long>(moves), fault->c_str());
    std::fflush(stderr);
    std::abort();
}

} // namespace tumbaro
