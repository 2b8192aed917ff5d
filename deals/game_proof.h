#pragma once
// A game that proves its score: one line of text holding the way, the deal
// number, every move as the replay tool writes it (an undo as "undo") and the
// score so far, e.g.
//   tumbaro classic 12345 45-46 33-34 undo 12-13 score 150
// Playing the moves on the deal gives the score or the line is false. Only
// the score and the moves are proved, never the time a timed game took.

#include "deals/deal_number.h"
#include "deals/way.h"
#include "engine/game_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tumbaro {

// One step of a game: two side-by-side cells, rows and columns counted 1 to 8
// from the top left, or an undo.
struct ProofStep {
    bool IsUndo = false;
    Pick First{};
    Pick Second{};

    static ProofStep Undo() { return {true, {}, {}}; }
    static ProofStep Swap(Pick first, Pick second) { return {false, first, second}; }
    friend bool operator==(const ProofStep&, const ProofStep&) = default;
};

struct GameProof {
    Way Played = Way::Classic;
    DealNumber Deal = 0;
    std::vector<ProofStep> Steps;
    std::int64_t Score = 0;
    friend bool operator==(const GameProof&, const GameProof&) = default;
};

std::string WriteProof(const GameProof& proof);

// The proof a line holds, or nothing with `error` saying what in it could not
// be read. Whitespace around the line (a pasted line break) is no fault;
// anything the game itself never writes is, a pair of cells that do not
// share a side included.
std::optional<GameProof> ReadProof(std::string_view line, std::string& error);

} // namespace tumbaro
