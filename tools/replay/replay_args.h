#pragma once
// Command line of the replay tool, checked whole before anything is played.

#include "engine/game_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tumbaro {

struct ReplayMove {
    Pick First;
    Pick Second;
    std::string Text; // as given, e.g. "45-46"
};

struct ReplayArgs {
    std::int64_t Seed = 0;
    std::vector<ReplayMove> Moves;
    std::optional<std::int64_t> AutoMoves;
    bool Summary = false;
};

// Parses `tumbaro-replay SEED [MOVE ...]` or `tumbaro-replay SEED --auto N
// [--summary]`. On a bad argument returns nothing and sets `error` to a
// one-line message naming it.
std::optional<ReplayArgs> ParseReplayArgs(const std::vector<std::string>& args, std::string& error);

} // namespace tumbaro
