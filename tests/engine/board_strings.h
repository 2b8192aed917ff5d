#pragma once
// Boards written as eight strings of eight characters, for readable tests.

#include "engine/game_state.h"

#include <array>
#include <string>

namespace tumbaro::test {

// A board of colours 0..5 with no line and no move, with the test's own balls
// laid over it: a digit is a ball of that colour, '-' keeps the filler, '.' is
// EmptyCell.
inline Matrix Overlay(const std::array<const char*, 8>& rows)
{
    Matrix m{};
    for (int i = 0; i < CellCount; ++i) {
        const char ch = rows[i / 8][i % 8];
        m[i] = ch == '-' ? (3 * (i / 8) + 5 * (i % 8)) % 6 : ch == '.' ? EmptyCell : ch - '0';
    }
    return m;
}

// The filler alone: no line and no move anywhere.
inline const Matrix NoMove = Overlay({"--------", "--------", "--------", "--------",
                                      "--------", "--------", "--------", "--------"});

inline std::string TextOf(const Matrix& m)
{
    std::string s;
    for (int i = 0; i < CellCount; ++i) {
        s += m[i] == EmptyCell ? '.' : static_cast<char>('0' + m[i]);
        if (i % BoardSize == BoardSize - 1)
            s += '/';
    }
    return s;
}

} // namespace tumbaro::test
