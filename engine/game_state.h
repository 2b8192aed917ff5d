#pragma once
// The board model and the record of a game in progress: the boards, the
// score, the pick and the step of the move being played out. Only the game
// writes it; everyone else reads it.

#include <array>
#include <cstdint>
#include <optional>

namespace tumbaro {

inline constexpr int BoardSize = 8;
inline constexpr int CellCount = BoardSize * BoardSize;
inline constexpr int ColourCount = 8;

// A ball that a line removed and the fall has not refilled yet. Only ever in
// WorkBoard while a move plays out; it never equals a colour.
inline constexpr std::int32_t EmptyCell = 10;

// Cells stored row by row: (r, c), 0-based from the top left, is element 8r + c.
using Matrix = std::array<std::int32_t, CellCount>;

// Row and column of a picked cell, both 1 to 8 as on the window.
struct Pick {
    std::int32_t Row = 0;
    std::int32_t Column = 0;
    friend bool operator==(const Pick&, const Pick&) = default;
};

// Element of a 1-based window cell (Ball23 is row 2, column 3, element 10).
constexpr int CellIndex(int row, int column) { return BoardSize * (row - 1) + (column - 1); }
constexpr int RowOf(int index) { return index / BoardSize + 1; }
constexpr int ColumnOf(int index) { return index % BoardSize + 1; }

struct GameState {
    Matrix GameBoard{};   // the settled board the player sees and clicks
    Matrix WorkBoard{};   // the board of the move in progress
    Matrix UndoBoard{};   // GameBoard before the last accepted swap
    std::int32_t Score = 0;
    std::int32_t UndoScore = 0;
    std::optional<Pick> Picked; // a ball picked and waiting for its partner
    Pick FirstPick;             // the two balls of the swap last tried
    Pick SecondPick;
    std::int32_t AnimStep = 0;  // step counter of the animation that runs
};

} // namespace tumbaro
