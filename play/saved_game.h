#pragma once
// The unfinished game as it is kept between runs: what a resume needs (the
// settled board, the score, what undo would restore, the generator), and its
// small text form. A pending pick and a move in flight are not part of it: a
// game is only kept when it has come to rest.

#include "deals/game_proof.h"
#include "engine/game_state.h"
#include "engine/line_scoring.h"
#include "play/way_rules.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tumbaro {

// The most a kept game's text can hold.
inline constexpr std::size_t MaxSavedGameBytes = std::size_t{4} << 20;

// Scores above this are refused as damage; play never goes past it.
inline constexpr std::int32_t MaxSavedScore = MaxScore;

// A thousand years of play, in ms: more is damage, and adding a run's time to
// anything less cannot overflow.
inline constexpr std::int64_t MaxTimePlayed = std::int64_t{1000} * 366 * 24 * 3600 * 1000;

// What a game has come to since its deal: the number it was dealt from, every
// step the player took (so the game can be copied and checked whole) and the
// figures the game log keeps.
struct GameTally {
    DealNumber Deal = 0;
    std::vector<ProofStep> Steps;
    std::int64_t Moves = 0; // accepted swaps, undone ones included
    std::int64_t Lines = 0;
    std::int64_t LongestCascade = 0; // the most cascades one move set off
    bool UndoUsed = false;
    friend bool operator==(const GameTally&, const GameTally&) = default;
};

struct SavedGame {
    Matrix Board{};
    std::int32_t Score = 0;
    bool UndoPossible = false;
    Matrix UndoBoard{};
    std::int32_t UndoScore = 0;
    std::uint64_t Random = 0; // the generator's state, so refills go on as they would have
    Way Played = Way::Classic;
    std::int32_t TimeLeft = 0; // ms on a timed game's clock, 1..TimedGameLength; 0 in other ways
    GameTally Tally{};
    // ms the game has been played, over every run it was resumed in. Play
    // keeps no wall clock: whoever keeps the game fills it in.
    std::int64_t TimePlayed = 0;
    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

// The text kept in the file: a version line, one line per field and a
// checksum line, each ended by "\n". A Classic game has no way line, as
// files kept before there were other ways. A game kept by an older version
// is still read: without its deal and steps it resumes with deal 0 and no
// steps, without its time played with none.
std::string SavedGameText(const SavedGame& game);

// The game the text holds, or nothing when the text is not exactly what
// SavedGameText writes for a game in progress: another version or layout, any
// damage, a colour out of range, a board with a line on it or no move left, a
// score out of range, or an undo that could not have come from play.
std::optional<SavedGame> ReadSavedGame(std::string_view text);

// Where the game reports that its game in progress has changed. Keep comes
// after a new deal, after every move once the board has settled with a move
// left, and after an undo; Drop when no move is left, so an ended game is never
// resumed.
class GameKeeper {
public:
    virtual ~GameKeeper() = default;
    virtual void Keep(const SavedGame& game) = 0;
    virtual void Drop() = 0;
};

} // namespace tumbaro
