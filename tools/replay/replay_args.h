#pragma once
// Command line of the replay tool, checked whole before anything is played.

#include "engine/game_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tumbaro {

// A swap of two cells, or the word "undo".
struct ReplayMove {
    Pick First;
    Pick Second;
    std::string Text; // as given, e.g. "45-46"
    bool IsUndo = false;
};

struct ReplayArgs {
    std::int64_t Seed = 0;
    std::vector<ReplayMove> Moves;
    std::optional<std::int64_t> AutoMoves;
    bool Summary = false;
    std::optional<std::string> Check; // a game's line to check, from --check
};

// Parses `tumbaro-replay SEED [MOVE ...]`, `tumbaro-replay SEED --auto N
// [--summary]` or `tumbaro-replay --check LINE`. On a bad argument returns nothing and sets `error` to a
// one-line message naming it.
std::optional<ReplayArgs> ParseReplayArgs(const std::vector<std::string>& args, std::string& error);

} // namespace tumbaro
