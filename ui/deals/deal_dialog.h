#pragma once
// Asking the player for a deal number, and the game's line put on the
// clipboard.

#include "deals/deal_number.h"
#include "play/game.h"

#include <QString>

#include <optional>

class QWidget;

namespace tumbaro {

// A small dialog for the number of the deal to play, showing `current`. Text
// that is no deal number is told why, and nothing is returned; so is Cancel.
std::optional<DealNumber> AskDealNumber(QWidget* parent, DealNumber current);

// The line that proves the game so far: its deal, its settled moves and their
// score. A move still playing out is left for the next copy.
QString GameLine(const Game& game);

} // namespace tumbaro
