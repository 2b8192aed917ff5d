#include "play/saved_game.h"

#include "engine/board.h"

#include <charconv>

namespace tumbaro {

namespace {

constexpr std::string_view VersionLine = "tumbaro saved game 3";
// Kept without the time played; still resumed.
constexpr std::string_view SecondVersionLine = "tumbaro saved game 2";
// Kept without the deal and the steps as well.
constexpr std::string_view FirstVersionLine = "tumbaro saved game 1";
// Far more than any game's steps (some half a million moves); anything longer
// is refused before it is read.
constexpr std::size_t MaxTextSize = MaxSavedGameBytes;

// FNV-1a: a cheap check that catches a flipped digit or a line lost in the
// middle, which the field checks alone could let through as another game.
std::uint32_t Checksum(std::string_view text)
{
    std::uint32_t hash = 2166136261U;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619U;
    }
    return hash;
}

template <class Number>
std::string Hex(Number value, int digits)
{
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = "0123456789abcdef"[value & 0xF];
    return text;
}

std::string BoardText(const Matrix& board)
{
    std::string text;
    for (const std::int32_t colour : board)
        text += static_cast<char>('0' + colour);
    return text;
}

// Reads the text line by line, each line a fixed key, a space and a value.
class Lines {
public:
    explicit Lines(std::string_view text) : rest_(text) {}

    std::optional<std::string_view> Take()
    {
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        return line;
    }
    std::optional<std::string_view> Value(std::string_view key)
    {
        const auto line = Take();
        if (!line || line->size() <= key.size() || !line->starts_with(key) || (*line)[key.size()] != ' ')
            return std::nullopt;
        return line->substr(key.size() + 1);
    }
    // The next line, left to be taken.
    std::string_view Next() const { return rest_.substr(0, rest_.find('\n')); }
    bool AtEnd() const { return rest_.empty(); }
    std::size_t Left() const { return rest_.size(); }

private:
    std::string_view rest_;
};

std::optional<Matrix> ParseBoard(std::optional<std::string_view> text)
{
    if (!text || text->size() != CellCount)
        return std::nullopt;
    Matrix board{};
    for (int i = 0; i < CellCount; ++i) {
        const char c = (*text)[static_cast<std::size_t>(i)];
        if (c < '0' || c >= '0' + ColourCount)
            return std::nullopt;
        board[i] = c - '0';
    }
    return board;
}

// Plain decimal as written: no sign, no leading zeros, not above MaxSavedScore.
std::optional<std::int32_t> ParseScore(std::optional<std::string_view> text)
{
    if (!text || text->empty() || (text->size() > 1 && text->front() == '0'))
        return std::nullopt;
    std::int32_t value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || stop != end || value < 0 || value > MaxSavedScore)
        return std::nullopt;
    return value;
}

template <class Number>
std::optional<Number> ParseHex(std::optional<std::string_view> text, std::size_t digits)
{
    if (!text || text->size() != digits)
        return std::nullopt;
    Number value = 0;
    for (const char c : *text) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit && (c < 'a' || c > 'f'))
            return std::nullopt;
        value = static_cast<Number>(value << 4) | static_cast<Number>(digit ? c - '0' : c - 'a' + 10);
    }
    return value;
}

std::optional<std::int64_t> ParseCount(std::string_view text)
{
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < 0)
        return std::nullopt;
    return value;
}

// "MOVES LINES CASCADE yes|no" after the deal's proof line.
std::optional<GameTally> ParseTally(std::optional<std::string_view> proofText, std::optional<std::string_view> figures,
                                   Way way)
{
    std::string error;
    const auto proof = proofText ? ReadProof(*proofText, error) : std::nullopt;
    if (!proof || !figures)
        return std::nullopt;
    GameTally tally;
    tally.Deal = proof->Deal;
    tally.Steps = proof->Steps;
    std::int64_t* counts[] = {&tally.Moves, &tally.Lines, &tally.LongestCascade};
    std::string_view rest = *figures;
    for (std::int64_t* count : counts) {
        const std::size_t space = rest.find(' ');
        const auto value = space == std::string_view::npos ? std::nullopt : ParseCount(rest.substr(0, space));
        if (!value)
            return std::nullopt;
        *count = *value;
        rest.remove_prefix(space + 1);
    }
    if (rest != "yes" && rest != "no")
        return std::nullopt;
    tally.UndoUsed = rest == "yes";
    // Only the text the game writes: one spelling of each game.
    const std::string written = std::to_string(tally.Moves) + " " + std::to_string(tally.Lines) + " "
                                + std::to_string(tally.LongestCascade) + (tally.UndoUsed ? " yes" : " no");
    if (proof->Played != way || WriteProof(*proof) != *proofText || written != *figures)
        return std::nullopt;
    return tally;
}

// A board the player could be looking at: settled, with a move left.
bool Playable(const Matrix& board) { return !FindLine(board) && FindLine2(board); }

} // namespace

std::string SavedGameText(const SavedGame& game)
{
    std::string text;
    text.reserve(320 + 6 * game.Tally.Steps.size());
    text.append(VersionLine).append("\n");
    text.append("board ").append(BoardText(game.Board)).append("\n");
    text.append("score ").append(std::to_string(game.Score)).append("\n");
    text.append("undo ").append(game.UndoPossible ? "yes" : "no").append("\n");
    text.append("undo-board ").append(BoardText(game.UndoBoard)).append("\n");
    text.append("undo-score ").append(std::to_string(game.UndoScore)).append("\n");
    text.append("random ").append(Hex(game.Random, 16)).append("\n");
    if (game.Played != Way::Classic)
        text.append("way ").append(WayName(game.Played)).append("\n");
    if (HasClock(game.Played))
        text.append("time-left ").append(std::to_string(game.TimeLeft)).append("\n");
    const GameTally& tally = game.Tally;
    text.append("steps ").append(WriteProof({game.Played, tally.Deal, tally.Steps, game.Score})).append("\n");
    text.append("tally ").append(std::to_string(tally.Moves)).append(" ").append(std::to_string(tally.Lines));
    text.append(" ").append(std::to_string(tally.LongestCascade)).append(tally.UndoUsed ? " yes\n" : " no\n");
    text.append("played ").append(std::to_string(game.TimePlayed)).append("\n");
    const std::uint32_t sum = Checksum(text);
    text.append("check ").append(Hex(sum, 8)).append("\n");
    return text;
}

std::optional<SavedGame> ReadSavedGame(std::string_view text)
{
    if (text.size() > MaxTextSize)
        return std::nullopt;
    Lines lines(text);
    const auto version = lines.Take();
    const bool first = version == FirstVersionLine;
    const bool second = version == SecondVersionLine;
    if (!first && !second && version != VersionLine)
        return std::nullopt;
    const auto board = ParseBoard(lines.Value("board"));
    const auto score = ParseScore(lines.Value("score"));
    const auto undo = lines.Value("undo");
    const auto undoBoard = ParseBoard(lines.Value("undo-board"));
    const auto undoScore = ParseScore(lines.Value("undo-score"));
    const auto random = ParseHex<std::uint64_t>(lines.Value("random"), 16);
    // The way and the clock come only after a game of another way than Classic.
    Way way = Way::Classic;
    std::int32_t timeLeft = 0;
    bool wayRead = true;
    if (lines.Next().starts_with("way ")) {
        const auto name = lines.Value("way");
        way = name ? WayNamed(*name).value_or(Way::Classic) : Way::Classic;
        const auto left = HasClock(way) ? ParseScore(lines.Value("time-left")) : std::optional<std::int32_t>(0);
        timeLeft = left.value_or(0);
        wayRead = way != Way::Classic && left && (!HasClock(way) || (timeLeft > 0 && timeLeft <= TimedGameLength));
    }
    std::optional<GameTally> tally = GameTally{};
    if (!first) {
        const auto steps = lines.Value("steps");
        tally = ParseTally(steps, lines.Value("tally"), way);
        // The steps' line ends with the score of the game it belongs to.
        if (tally && score && !steps->ends_with(" score " + std::to_string(*score)))
            tally.reset();
    }
    std::int64_t played = 0;
    bool playedRead = true;
    if (!first && !second) {
        const auto playedText = lines.Value("played");
        const auto count = playedText ? ParseCount(*playedText) : std::nullopt;
        played = count.value_or(0);
        playedRead = count && played <= MaxTimePlayed && std::to_string(played) == *playedText;
    }
    const std::size_t checked = text.size() - lines.Left();
    const auto check = ParseHex<std::uint32_t>(lines.Value("check"), 8);
    if (!board || !score || (undo != "yes" && undo != "no") || !undoBoard || !undoScore || !random || !wayRead
        || !tally || !playedRead || !check || !lines.AtEnd() || *check != Checksum(text.substr(0, checked)))
        return std::nullopt;

    SavedGame game{*board, *score, undo == "yes", *undoBoard, *undoScore, *random, way, timeLeft, std::move(*tally),
                   played};
    if (!Playable(game.Board))
        return std::nullopt;
    // Undo restores the board a line-making swap was made on, and that swap
    // scored, unless the score had already stopped growing. Without undo the
    // old values are never used again, so any colours and score in range will
    // do (a fresh deal keeps the last game's).
    const bool scored = game.UndoScore < game.Score || (game.UndoScore == game.Score && game.Score == MaxSavedScore);
    if (game.UndoPossible && (!Playable(game.UndoBoard) || !scored))
        return std::nullopt;
    return game;
}

} // namespace tumbaro
