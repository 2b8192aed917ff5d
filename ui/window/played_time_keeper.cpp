#include "ui/window/played_time_keeper.h"

#include <algorithm>

namespace tumbaro {

void PlayedTimeKeeper::Keep(const SavedGame& game)
{
    SavedGame timed = game;
    timed.TimePlayed = std::clamp<std::int64_t>(timePlayed_().count(), 0, MaxTimePlayed);
    file_.Save(timed);
}

void PlayedTimeKeeper::KeepTimeOf(const Game& game)
{
    if (!game.Animating() && file_.StillMine())
        Keep(game.Saved());
}

} // namespace tumbaro
