#pragma once
// What the command line asks of the start: a new game in a way to play, a
// deal by its number or today's, full screen, the statistics window, or only
// the usage. Anything else is refused before a window opens.

#include "deals/deal_number.h"
#include "deals/way.h"

#include <optional>
#include <string>
#include <vector>

namespace tumbaro {

struct StartOptions {
    std::optional<Way> way;         // a new game in this way, in place of the kept one
    bool help = false;              // print the usage and end
    bool fullScreen = false;        // start in full screen
    std::optional<DealNumber> deal; // play this deal (0 to 4294967295)
    bool today = false;             // play today's deal, the number of the local date
    bool statistics = false;        // show the statistics window instead of the game
};

struct ParsedCommandLine {
    std::optional<StartOptions> options; // none when an argument was refused
    std::string error;                   // then, what was wrong, for stderr
};

// `arguments` without the program's name, and without what the toolkit took.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints.
std::string Usage();

} // namespace tumbaro
