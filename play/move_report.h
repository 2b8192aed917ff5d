#pragma once
// What the player's moves did, for whoever tells the player in words (a
// screen reader): each line removed, in the order it went, the score it left,
// and why a swap was refused. The game reports; it never waits for an answer.

#include "engine/game_state.h"

#include <vector>

namespace tumbaro {

struct RemovedLine {
    std::int32_t Colour = 0;
    int Length = 0;
    std::int32_t Points = 0;
    int Cascade = 0; // 0: made by the swap itself; 1, 2, ...: the cascades that followed
};

enum class Refusal {
    NotNeighbours, // the second ball was not beside the first
    NoLine,        // the swap would make no line
};

class MoveListener {
public:
    virtual ~MoveListener() = default;
    // An accepted move has played out and the board has settled: every line
    // it removed, its cascades' included, and the score now.
    virtual void MoveSettled(const std::vector<RemovedLine>& lines, std::int32_t score) = 0;
    virtual void MoveRefused(Refusal why) = 0;
};

} // namespace tumbaro
