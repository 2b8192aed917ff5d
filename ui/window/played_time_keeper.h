#pragma once
// Keeps the game in progress in its file together with the time it has been
// played so far, so that a resumed game is logged with its whole time. The
// game keeps itself whenever it changes; as the window goes, it is kept once
// more with the time until then, but only when the file still holds it.

#include "platform/saved_game_file.h"
#include "play/game.h"

#include <chrono>
#include <functional>

namespace tumbaro {

class PlayedTimeKeeper final : public GameKeeper {
public:
    PlayedTimeKeeper(SavedGameFile& file, std::function<std::chrono::milliseconds()> timePlayed)
        : file_(file), timePlayed_(std::move(timePlayed))
    {
    }

    void Keep(const SavedGame& game) override;
    void Drop() override { file_.Forget(); }

    // The game at rest kept again with the time played until now; nothing
    // when it has ended, a move is under way (the game before it is kept),
    // or another window has kept its own game since.
    void KeepTimeOf(const Game& game);

private:
    SavedGameFile& file_;
    std::function<std::chrono::milliseconds()> timePlayed_;
};

} // namespace tumbaro
