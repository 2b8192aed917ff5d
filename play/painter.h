#pragma once
// What the game draws: the cells, the score box and whether undo can be
// pressed. The window's board view paints it; tests and the replay tool
// record it or leave it blank.

#include <cstdint>

namespace tumbaro {

enum class CellSize { Normal, Small };

class Painter {
public:
    virtual ~Painter() = default;
    // Show `colour` in the cell at 1-based (row, column), from the scheme's big
    // or small balls; a colour outside 0..7 leaves the cell empty.
    virtual void DrawCell(int row, int column, std::int32_t colour, CellSize size) = 0;
    // Empty the cell so the background shows through.
    virtual void ClearCell(int row, int column) = 0;
    // The score box's text: `score` in decimal.
    virtual void ShowScore(std::int32_t score) = 0;
    virtual void SetUndoEnabled(bool enabled) = 0;
};

} // namespace tumbaro
