#include "deals/game_proof.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace tumbaro {

namespace {

constexpr std::string_view Mark = "tumbaro";
constexpr std::string_view UndoWord = "undo";
constexpr std::string_view ScoreWord = "score";
constexpr std::string_view Blanks = " \t\r\n";

bool IsCellDigit(char c) { return c >= '1' && c <= '8'; }

std::optional<ProofStep> ReadStep(std::string_view word)
{
    if (word == UndoWord)
        return ProofStep::Undo();
    if (word.size() != 5 || word[2] != '-' || !IsCellDigit(word[0]) || !IsCellDigit(word[1])
        || !IsCellDigit(word[3]) || !IsCellDigit(word[4]))
        return std::nullopt;
    const Pick first{word[0] - '0', word[1] - '0'};
    const Pick second{word[3] - '0', word[4] - '0'};
    const int apart = std::abs(first.Row - second.Row) + std::abs(first.Column - second.Column);
    if (apart != 1)
        return std::nullopt;
    return ProofStep::Swap(first, second);
}

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t at = line.find_first_not_of(Blanks);
    while (at != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(Blanks, at), line.size());
        words.push_back(line.substr(at, end - at));
        at = line.find_first_not_of(Blanks, end);
    }
    return words;
}

} // namespace

std::string WriteProof(const GameProof& proof)
{
    std::string line{Mark};
    line += ' ';
    line += WayName(proof.Played);
    line += ' ' + std::to_string(proof.Deal);
    for (const ProofStep& step : proof.Steps) {
        line += ' ';
        if (step.IsUndo) {
            line += UndoWord;
        } else {
            const char move[] = {char('0' + step.First.Row), char('0' + step.First.Column), '-',
                                 char('0' + step.Second.Row), char('0' + step.Second.Column)};
            line.append(move, sizeof move);
        }
    }
    line += ' ';
    line += ScoreWord;
    line += ' ' + std::to_string(proof.Score);
    return line;
}

std::optional<GameProof> ReadProof(std::string_view line, std::string& error)
{
    const std::vector<std::string_view> words = Words(line);
    if (words.size() < 5 || words[0] != Mark || words[words.size() - 2] != ScoreWord) {
        error = "not a game line: expected 'tumbaro WAY DEAL [MOVE ...] score SCORE'";
        return std::nullopt;
    }
    GameProof proof;
    const auto way = WayNamed(words[1]);
    if (!way) {
        error = "unknown way '" + std::string(words[1]) + "': expected classic, timed or zen";
        return std::nullopt;
    }
    proof.Played = *way;
    const DealNumberParse deal = ParseDealNumber(words[2]);
    if (!deal.Number) {
        error = DealNumberMessage(deal.Fault, words[2]);
        return std::nullopt;
    }
    proof.Deal = *deal.Number;
    for (std::size_t i = 3; i + 2 < words.size(); ++i) {
        const auto step = ReadStep(words[i]);
        if (!step) {
            error = "bad move '" + std::string(words[i])
                    + "': expected two side-by-side cells as row and column digits 1 to 8, like 45-46, or undo";
            return std::nullopt;
        }
        proof.Steps.push_back(*step);
    }
    const std::string_view score = words.back();
    const auto [end, ec] = std::from_chars(score.data(), score.data() + score.size(), proof.Score);
    if (ec != std::errc{} || end != score.data() + score.size() || score.front() == '-') {
        error = "bad score '" + std::string(score) + "': expected a whole number";
        return std::nullopt;
    }
    return proof;
}

} // namespace tumbaro
