#include "engine/board.h"

namespace tumbaro {

namespace {

constexpr int At(int r, int c) { return BoardSize * r + c; }

bool SameThree(std::int32_t a, std::int32_t b, std::int32_t c)
{
    return a != EmptyCell && a == b && a == c;
}

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

namespace {

// The board with cells a and b exchanged, read without copying it.
struct Swapped {
    const Matrix& board;
    int a, b;
    std::int32_t operator()(int r, int c) const
    {
        const int i = At(r, c);
        return board[i == a ? b : i == b ? a : i];
    }
};

int RunLength(const Swapped& m, int r, int c, int dr, int dc, std::int32_t colour)
{
    int n = 0;
    for (r += dr, c += dc; OnBoard(r, c) && m(r, c) == colour; r += dr, c += dc)
        ++n;
    return n;
}

bool LineThrough(const Swapped& m, int index)
{
    const int r = index / BoardSize, c = index % BoardSize;
    const std::int32_t colour = m(r, c);
    if (colour == EmptyCell)
        return false;
    return RunLength(m, r, c, 0, -1, colour) + RunLength(m, r, c, 0, 1, colour) >= 2
        || RunLength(m, r, c, -1, 0, colour) + RunLength(m, r, c, 1, 0, colour) >= 2;
}

} // namespace

bool SwapMakesLine(const Matrix& board, int a, int b)
{
    const Swapped swapped{board, a, b};
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

bool FindLine2(const Matrix& board) { return FirstMove(board).has_value(); }

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
