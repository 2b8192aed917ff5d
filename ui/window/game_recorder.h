#pragma once
// Writes each game to the player's game log once: when it ends, or when
// another game replaces it after at least one move. A game left unfinished is
// kept and resumed, so leaving the program logs nothing. A log that cannot be
// written is told once; the game plays on.

#include "play/saved_game.h"
#include "stats/game_log.h"

#include <chrono>
#include <optional>

namespace tumbaro {

class GameRecorder {
public:
    explicit GameRecorder(std::optional<GameLog> log) : log_(std::move(log)) {}

    // A game was dealt, or resumed after `before` played in earlier runs: its
    // time runs on from now.
    void Started(std::chrono::milliseconds before = {});
    // How long the game on the table has been played, earlier runs included.
    std::chrono::milliseconds TimePlayed() const;
    void Ended(Way played, const GameTally& tally, std::int32_t score) { Record(played, tally, score, true); }
    // Another game takes this one's place; one without a move is not a game.
    void Replaced(Way played, const GameTally& tally, std::int32_t score);

private:
    void Record(Way played, const GameTally& tally, std::int32_t score, bool ended);

    std::optional<GameLog> log_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::milliseconds before_{};
    bool recorded_ = false;
};

} // namespace tumbaro
