#include "engine/fall.h"

#include <algorithm>
#include <utility>

namespace tumbaro {

FallStep Fall(const Matrix& board, RandomGenerator& random)
{
    FallStep step;
    Matrix& w = step.Board;
    w = board;
    auto change = [&step](int index, std::int32_t colour) { step.Changes[step.Count++] = {index, colour}; };
    for (int i = CellCount - 1; i >= 0; --i) {
        if (w[i] != EmptyCell)
            continue;
        if (i >= BoardSize) {
            const int above = i - BoardSize;
            if (w[above] != EmptyCell) {
                w[i] = std::exchange(w[above], EmptyCell);
                change(i, w[i]);
                change(above, EmptyCell);
            }
        } else {
            w[i] = random.RandomColour();
            change(i, w[i]);
        }
    }
    step.Settled = std::none_of(w.begin(), w.end(), [](std::int32_t cell) { return cell == EmptyCell; });
    return step;
}

} // namespace tumbaro
