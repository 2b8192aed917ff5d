// The saved game is read at every start from a file anything may have
// damaged. Reading must take any bytes; what it accepts must be exactly the
// text that game is written as, and a game the player could be looking at.
// The same bytes also make a game of their own, any values at all, so that
// the checks behind the checksum are reached: it reads back as written or is
// refused.

#include "engine/board.h"
#include "fuzz/fuzz_check.h"
#include "play/saved_game.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace {

using namespace tumbaro;

void CheckAccepted(const SavedGame& game)
{
    FuzzCheck(!FindLine(game.Board) && FindLine2(game.Board), "an accepted board is settled with a move left");
    FuzzCheck(game.Score >= 0 && game.Score <= MaxSavedScore, "an accepted score is in range");
    FuzzCheck(game.UndoScore >= 0 && game.UndoScore <= MaxSavedScore, "an accepted undo score is in range");
    FuzzCheck(game.TimePlayed >= 0 && game.TimePlayed <= MaxTimePlayed, "an accepted time played is in range");
    for (const Matrix* board : {&game.Board, &game.UndoBoard})
        for (const std::int32_t colour : *board)
            FuzzCheck(colour >= 0 && colour < ColourCount, "an accepted colour is in range");
    FuzzCheck(!game.UndoPossible || game.UndoScore < game.Score
                  || (game.UndoScore == game.Score && game.Score == MaxSavedScore),
              "an undo takes back points, unless the score had stopped growing");
}

// Any bytes as a game: cells from the low bits of each byte (some out of
// range), then the scores and the generator from whatever follows.
SavedGame GameOf(const std::uint8_t* data, std::size_t size)
{
    SavedGame game;
    std::size_t at = 0;
    auto next = [&] { return at < size ? data[at++] : std::uint8_t{0}; };
    for (std::int32_t& cell : game.Board)
        cell = next() % 11;
    for (std::int32_t& cell : game.UndoBoard)
        cell = next() % 11;
    game.UndoPossible = next() & 1;
    // Each number from as many bytes as it holds, the first the highest.
    const auto fill = [&](auto& number) {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < sizeof number; ++i)
            bits = bits << 8 | next();
        number = static_cast<std::remove_reference_t<decltype(number)>>(bits);
    };
    fill(game.Score);
    fill(game.UndoScore);
    fill(game.Random);
    fill(game.TimePlayed);
    return game;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto game = ReadSavedGame(text)) {
        CheckAccepted(*game);
        // A game kept by an earlier version lacks its time played, and its deal
        // and steps too in the first: it is written anew with them.
        const bool older = (text.starts_with("tumbaro saved game 1\n") && game->Tally == GameTally{})
                           || (text.starts_with("tumbaro saved game 2\n") && game->TimePlayed == 0);
        FuzzCheck(older || SavedGameText(*game) == text, "an accepted text is the one its game is written as");
    }

    const SavedGame made = GameOf(data, size);
    if (const auto back = ReadSavedGame(SavedGameText(made))) {
        CheckAccepted(*back);
        FuzzCheck(*back == made, "a game read back is the game written");
    }
    return 0;
}
