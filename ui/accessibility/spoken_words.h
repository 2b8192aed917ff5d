#pragma once
// Every sentence the game speaks through a screen reader, in the player's
// language: what a move did, why a swap was refused, the commands' outcomes
// and the end of a game. Kept short: a blind player hears each one after
// every move.

#include "play/game_events.h"

#include <QString>

#include <vector>

namespace tumbaro::spoken {

// "Line of three: pink sphere, 15 points. Cascade 1. Line of four: gold ring,
// 30 points. Score 60." The balls are named in `scheme`.
QString MoveReport(int scheme, const std::vector<RemovedLine>& lines, std::int32_t score);
QString Refused(Refusal why);
QString Undone(std::int32_t score);
QString NewGame();
QString Scheme(int scheme);
// The two cells of a possible move, named as the cursor reads them.
QString Hint(const QString& first, const QString& second);
QString Sound(bool on);
QString Symbols(bool on);

// The end of a game: `place` 1..10 in the table, 0 for none.
QString GameEnd(std::int32_t score, int place);
// The name box and the game-over question, by their purpose.
QString NameBoxTitle();
QString GameOverTitle();

} // namespace tumbaro::spoken
