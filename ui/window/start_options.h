#pragma once
// The game's own command-line options, read before anything else starts:
//   --deal N       play deal N (0 to 4294967295)
//   --today        play today's deal, the number of the local date
//   --statistics   show the statistics window instead of the game
// Everything else is left for Qt.

#include "deals/deal_number.h"

#include <optional>
#include <string>

namespace tumbaro {

struct StartOptions {
    std::optional<DealNumber> Deal;
    bool Today = false;
    bool Statistics = false;
};

// Takes the game's options out of argv (argc shrinks to what is left); on a
// bad one returns nothing with `error` saying what is wrong.
std::optional<StartOptions> TakeStartOptions(int& argc, char** argv, std::string& error);

} // namespace tumbaro
