#pragma once
// What the game reports as it goes, for whoever reacts: the window ticks the
// animation, plays the sounds, tells a screen reader and runs the end of a
// game. The game reports and never waits for an answer; what follows an
// ended game is the listener's to decide.

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

class GameEvents {
public:
    virtual ~GameEvents() = default;
    // A move has started or finished playing out: the animation's tick is
    // wanted, or no longer.
    virtual void AnimationRunning(bool /*running*/) {}
    // The swapped balls have landed: the swap's sound.
    virtual void SwapLanded() {}
    // A pair was refused, and why.
    virtual void MoveRefused(Refusal /*why*/) {}
    // An accepted move has played out and the board has settled: every line
    // it removed, its cascades' included, and the score now.
    virtual void MoveSettled(const std::vector<RemovedLine>& /*lines*/, std::int32_t /*score*/) {}
    // The settled board has no move left. Nothing more happens until the
    // listener deals anew.
    virtual void GameEnded(std::int32_t /*score*/) {}
    // The settled board had no move left and, in a way that goes on, a new
    // deal has dropped in with the score kept.
    virtual void Redealt(std::int32_t /*score*/) {}
};

} // namespace tumbaro
