#pragma once
// Removal and scoring of lines: runs of one length are marked EmptyCell and
// scored one at a time, columns before rows, so a ball counts for one line only.

#include "engine/game_state.h"

namespace tumbaro {

inline constexpr std::int32_t FiveBallPoints = 50;
inline constexpr std::int32_t FourBallPoints = 30;
inline constexpr std::int32_t ThreeBallPoints = 15;
// The score stops growing here: far beyond any real game, and room enough
// that adding points never wraps.
inline constexpr std::int32_t MaxScore = 999'999'999;

// Marks every run of `length` equal colours in `work` (column scan, then row
// scan, each top to bottom and left to right, reading the board as it is being
// marked), adds `points` to `score` per run and calls onLine(score, colour)
// after each. Returns the number of runs removed.
template <class OnLine>
int RemoveLines(Matrix& work, int length, std::int32_t points, std::int32_t& score, OnLine&& onLine)
{
    auto runAt = [&](int first, int step) {
        const std::int32_t colour = work[first];
        if (colour == EmptyCell)
            return false;
        for (int k = 1; k < length; ++k)
            if (work[first + k * step] != colour)
                return false;
        for (int k = 0; k < length; ++k)
            work[first + k * step] = EmptyCell;
        return true;
    };
    int lines = 0;
    auto take = [&](int first, int step) {
        const std::int32_t colour = work[first];
        if (runAt(first, step)) {
            ++lines;
            score = score > MaxScore - points ? MaxScore : score + points;
            onLine(score, colour);
        }
    };
    for (int r = 0; r <= BoardSize - length; ++r)
        for (int c = 0; c < BoardSize; ++c)
            take(BoardSize * r + c, BoardSize);
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c <= BoardSize - length; ++c)
            take(BoardSize * r + c, 1);
    return lines;
}

} // namespace tumbaro
