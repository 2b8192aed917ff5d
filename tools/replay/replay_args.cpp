#include "tools/replay/replay_args.h"

#include <charconv>

namespace tumbaro {

namespace {

std::optional<std::int64_t> WholeNumber(const std::string& text)
{
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool IsBoardDigit(char c) { return c >= '1' && c <= '8'; }

std::optional<ReplayMove> ParseMove(const std::string& text)
{
    if (text == "undo")
        return ReplayMove{{}, {}, text, true};
    if (text.size() != 5 || text[2] != '-' || !IsBoardDigit(text[0]) || !IsBoardDigit(text[1])
        || !IsBoardDigit(text[3]) || !IsBoardDigit(text[4]))
        return std::nullopt;
    return ReplayMove{{text[0] - '0', text[1] - '0'}, {text[3] - '0', text[4] - '0'}, text};
}

} // namespace

std::optional<ReplayArgs> ParseReplayArgs(const std::vector<std::string>& args, std::string& error)
{
    ReplayArgs result;
    if (args.empty()) {
        error = "missing SEED (usage: tumbaro-replay SEED [MOVE ...] | SEED --auto N [--summary] | --check LINE)";
        return std::nullopt;
    }
    if (args[0] == "--check") {
        if (args.size() != 2) {
            error = "--check needs one game line, quoted, like 'tumbaro classic 12345 45-46 undo score 0'";
            return std::nullopt;
        }
        result.Check = args[1];
        return result;
    }
    const auto seed = WholeNumber(args[0]);
    if (!seed) {
        error = "bad SEED '" + args[0] + "': expected a whole number from 0 to 9223372036854775807";
        return std::nullopt;
    }
    result.Seed = *seed;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--auto") {
            if (result.AutoMoves) {
                error = "--auto given twice";
                return std::nullopt;
            }
            if (i + 1 >= args.size()) {
                error = "--auto needs a number of moves";
                return std::nullopt;
            }
            const auto count = WholeNumber(args[i + 1]);
            if (!count) {
                error = "bad move count '" + args[i + 1] + "' after --auto: expected a whole number";
                return std::nullopt;
            }
            result.AutoMoves = *count;
            ++i;
        } else if (arg == "--summary") {
            result.Summary = true;
        } else if (auto move = ParseMove(arg)) {
            result.Moves.push_back(*move);
        } else {
            error = "bad MOVE '" + arg + "': expected two cells as row and column digits 1 to 8, like 45-46, or undo";
            return std::nullopt;
        }
    }
    if (result.AutoMoves && !result.Moves.empty()) {
        error = "MOVE '" + result.Moves.front().Text + "' cannot be combined with --auto";
        return std::nullopt;
    }
    if (result.Summary && !result.AutoMoves) {
        error = "--summary needs --auto N";
        return std::nullopt;
    }
    return result;
}

} // namespace tumbaro
