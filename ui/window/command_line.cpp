#include "ui/window/command_line.h"

#include <string_view>

namespace tumbaro {

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    StartOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            continue;
        }
        if (argument == "--fullscreen") {
            options.fullScreen = true;
            continue;
        }
        if (argument == "--today") {
            options.today = true;
            continue;
        }
        if (argument == "--statistics") {
            options.statistics = true;
            continue;
        }
        if (argument == "--deal" || argument.starts_with("--deal=")) {
            if (argument == "--deal" && i + 1 >= arguments.size())
                return {std::nullopt, "--deal needs a deal number, from 0 to 4294967295"};
            const std::string_view number = argument == "--deal" ? std::string_view(arguments[++i])
                                                                 : std::string_view(argument).substr(7);
            const DealNumberParse parse = ParseDealNumber(number);
            if (!parse.Number)
                return {std::nullopt, DealNumberMessage(parse.Fault, number)};
            options.deal = parse.Number;
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
    if (options.deal && options.today)
        return {std::nullopt, "--deal and --today name two deals: give one of them"};
    return {options, {}};
}

std::string Usage()
{
    return "Usage: tumbaro [--classic | --timed | --zen] [--deal N | --today] [--fullscreen]\n"
           "       tumbaro --statistics\n"
           "Swap neighbouring balls to line up three or more of one design.\n"
           "\n"
           "  --classic     start a new game that ends when no move is left\n"
           "  --timed       start a new game against a clock of two minutes\n"
           "  --zen         start a new game that never ends\n"
           "  --deal N      play deal N, a number from 0 to 4294967295\n"
           "  --today       play today's deal, numbered by the local date\n"
           "  --fullscreen  start on the whole screen (F11 or Esc leaves it)\n"
           "  --statistics  show the statistics window instead of the game\n"
           "  --help        show this text and end\n"
           "\n"
           "Without an argument the game left unfinished last time goes on, or a new\n"
           "game starts in the way played last. A new game replaces the kept one.\n";
}

} // namespace tumbaro
