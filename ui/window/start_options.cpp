#include "ui/window/start_options.h"

#include <string_view>

namespace tumbaro {

std::optional<StartOptions> TakeStartOptions(int& argc, char** argv, std::string& error)
{
    StartOptions options;
    int kept = argc > 0 ? 1 : 0;
    for (int i = kept; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::optional<std::string_view> deal;
        if (arg == "--deal") {
            if (i + 1 >= argc) {
                error = "--deal needs a deal number, from 0 to 4294967295";
                return std::nullopt;
            }
            deal = argv[++i];
        } else if (arg.starts_with("--deal=")) {
            deal = arg.substr(7);
        } else if (arg == "--today") {
            options.Today = true;
        } else if (arg == "--statistics") {
            options.Statistics = true;
        } else {
            argv[kept++] = argv[i];
            continue;
        }
        if (deal) {
            const DealNumberParse parse = ParseDealNumber(*deal);
            if (!parse.Number) {
                error = DealNumberMessage(parse.Fault, *deal);
                return std::nullopt;
            }
            options.Deal = parse.Number;
        }
    }
    if (options.Deal && options.Today) {
        error = "--deal and --today name two deals: give one of them";
        return std::nullopt;
    }
    argc = kept;
    argv[kept] = nullptr;
    return options;
}

} // namespace tumbaro
