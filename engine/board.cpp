#include "engine/board.h"

#include <utility>

namespace tumbaro {

namespace {

constexpr int At(int r, int c) { return BoardSize * r + c; }

bool SameThree(std::int32_t a, std::int32_t b, std::int32_t c)
{
    return a != EmptyCell && a == b && a == c;
}

// One way that moving a ball one cell completes a run: the two cells, as
// offsets from the moving ball, that must already hold its colour.
struct Pattern {
    int dr1, dc1, dr2, dc2;
};

// Every way one ball moved up, down, left or right completes a run of three.
constexpr Pattern MovePatterns[16] = {
    {2, 0, 3, 0},     // 1: moves down, run continues the move
    {0, 2, 0, 3},     // 2: moves right
    {1, -1, 2, -1},   // 3: moves left, top end of a column run
    {1, 1, 2, 1},     // 4: moves right, top end of a column run
    {1, 1, 1, -1},    // 5: moves down into the middle of a row run
    {-1, -1, -1, 1},  // 6: moves up into the middle of a row run
    {-1, 1, 1, 1},    // 7: moves right into the middle of a column run
    {-1, -1, 1, -1},  // 8: moves left into the middle of a column run
    {1, -1, 1, -2},   // 9: moves down, right end of a row run
    {-1, -1, -1, -2}, // 10: moves up, right end of a row run
    {1, 1, 1, 2},     // 11: moves down, left end of a row run
    {-1, 1, -1, 2},   // 12: moves up, left end of a row run
    {0, -2, 0, -3},   // 13: moves left, run continues the move
    {-2, 0, -3, 0},   // 14: moves up, run continues the move
    {-1, -1, -2, -1}, // 15: moves left, bottom end of a column run
    {-1, 1, -2, 1},   // 16: moves right, bottom end of a column run
};

bool OnBoard(int r, int c) { return r >= 0 && r < BoardSize && c >= 0 && c < BoardSize; }

} // namespace

bool FindLine(const Matrix& m)
{
    for (int r = 0; r <= BoardSize - 3; ++r)
        for (int c = 0; c < BoardSize; ++c)
            if (SameThree(m[At(r, c)], m[At(r + 1, c)], m[At(r + 2, c)]))
                return true;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c <= BoardSize - 3; ++c)
            if (SameThree(m[At(r, c)], m[At(r, c + 1)], m[At(r, c + 2)]))
                return true;
    return false;
}

bool FindLine2(const Matrix& m)
{
    // The answer is all that is kept, so the search may stop at the first match.
    for (int r = 0; r < BoardSize; ++r) {
        for (int c = 0; c < BoardSize; ++c) {
            const std::int32_t x = m[At(r, c)];
            for (const Pattern& p : MovePatterns) {
                const int r1 = r + p.dr1, c1 = c + p.dc1, r2 = r + p.dr2, c2 = c + p.dc2;
                if (OnBoard(r1, c1) && OnBoard(r2, c2) && m[At(r1, c1)] == x && m[At(r2, c2)] == x)
                    return true;
            }
        }
    }
    return false;
}

namespace {

int RunLength(const Matrix& m, int r, int c, int dr, int dc, std::int32_t colour)
{
    int n = 0;
    for (r += dr, c += dc; OnBoard(r, c) && m[At(r, c)] == colour; r += dr, c += dc)
        ++n;
    return n;
}

bool LineThrough(const Matrix& m, int index)
{
    const int r = index / BoardSize, c = index % BoardSize;
    const std::int32_t colour = m[index];
    if (colour == EmptyCell)
        return false;
    return RunLength(m, r, c, 0, -1, colour) + RunLength(m, r, c, 0, 1, colour) >= 2
        || RunLength(m, r, c, -1, 0, colour) + RunLength(m, r, c, 1, 0, colour) >= 2;
}

} // namespace

bool SwapMakesLine(const Matrix& board, int a, int b)
{
    Matrix swapped = board;
    std::swap(swapped[a], swapped[b]);
    return LineThrough(swapped, a) || LineThrough(swapped, b);
}

std::optional<Swap> FirstMove(const Matrix& board)
{
    for (int i = 0; i < CellCount; ++i) {
        if (i % BoardSize != BoardSize - 1 && SwapMakesLine(board, i, i + 1))
            return Swap{i, i + 1};
        if (i + BoardSize < CellCount && SwapMakesLine(board, i, i + BoardSize))
            return Swap{i, i + BoardSize};
    }
    return std::nullopt;
}

void SortMatrix(Matrix& b, RandomGenerator& random)
{
    bool changed = true;
    while (changed) {
        changed = false;
        for (int r = 0; r <= BoardSize - 3; ++r) {
            for (int c = 0; c < BoardSize; ++c) {
                if (b[At(r, c)] == b[At(r + 1, c)] && b[At(r, c)] == b[At(r + 2, c)]) {
                    b[At(r + 1, c)] = random.RandomColour();
                    b[At(r + 2, c)] = random.RandomColour();
                    changed = true;
                }
            }
        }
        for (int r = 0; r < BoardSize; ++r) {
            for (int c = 0; c <= BoardSize - 3; ++c) {
                if (b[At(r, c)] == b[At(r, c + 1)] && b[At(r, c)] == b[At(r, c + 2)]) {
                    b[At(r, c + 1)] = random.RandomColour();
                    b[At(r, c + 2)] = random.RandomColour();
                    changed = true;
                }
            }
        }
    }
}

void DealBoard(Matrix& board, RandomGenerator& random)
{
    for (std::int32_t& cell : board)
        cell = random.RandomColour();
    SortMatrix(board, random);
}

} // namespace tumbaro
