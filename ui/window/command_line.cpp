#include "ui/window/command_line.h"

namespace tumbaro {

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    StartOptions options;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            continue;
        }
        if (argument == "--fullscreen") {
            options.fullScreen = true;
            continue;
        }
        const auto way = argument.starts_with("--") ? WayNamed(argument.substr(2)) : std::nullopt;
        if (!way)
            return {std::nullopt, "unknown argument '" + argument + "'; try --help"};
        if (options.way && options.way != way)
            return {std::nullopt, "choose one way to play, not " + std::string(WayName(*options.way)) + " and "
                                      + std::string(WayName(*way))};
        options.way = way;
    }
    return {options, {}};
}

std::string Usage()
{
    return "Usage: tumbaro [--classic | --timed | --zen] [--fullscreen]\n"
           "Swap neighbouring balls to line up three or more of one design.\n"
           "\n"
           "  --classic  start a new game that ends when no move is left\n"
           "  --timed    start a new game against a clock of two minutes\n"
           "  --zen      start a new game that never ends\n"
           "  --fullscreen  start on the whole screen (F11 or Esc leaves it)\n"
           "  --help     show this text and end\n"
           "\n"
           "Without an argument the game left unfinished last time goes on, or a new\n"
           "game starts in the way played last. A new game replaces the kept one.\n";
}

} // namespace tumbaro
