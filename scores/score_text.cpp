#include "scores/score_text.h"

#include "engine/game_error.h"

#include <charconv>
#include <limits>

namespace tumbaro {

namespace {

// Longer than any number the files or the settings ever held, leading
// spaces and zeros included; a longer text is refused without reading it.
constexpr std::size_t LongestNumberText = 64;
// How much of a refused text the message quotes.
constexpr std::size_t QuotedTextBytes = 40;

// The text as the message quotes it: whole when short, else its start, cut
// at a character boundary, and an ellipsis.
std::string Quoted(const std::string& text)
{
    if (text.size() <= QuotedTextBytes)
        return text;
    std::size_t cut = QuotedTextBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut) + "\u2026";
}

[[noreturn]] void NotAnInteger(const std::string& text)
{
    throw GameError("'" + Quoted(text) + "' is not a valid integer value");
}

bool IsHexPrefix(const std::string& text, std::size_t& pos)
{
    if (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X') {
        pos += 1;
        return true;
    }
    if (text[pos] == '0' && pos + 1 < text.size() && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        pos += 2;
        return true;
    }
    return false;
}

} // namespace

std::int32_t StrToInt(const std::string& text)
{
    if (text.size() > LongestNumberText)
        NotAnInteger(text);
    std::size_t pos = 0;
    // Only spaces are skipped: a tab never appeared in files the game wrote,
    // and accepting it would let a damaged line pass as a score.
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    if (pos == text.size())
        NotAnInteger(text);

    const char* const end = text.data() + text.size();
    if (IsHexPrefix(text, pos)) {
        // from_chars would take a sign after the prefix; the old reader did not.
        if (pos == text.size() || text[pos] == '+' || text[pos] == '-')
            NotAnInteger(text);
        std::uint32_t bits = 0;
        const auto [stop, error] = std::from_chars(text.data() + pos, end, bits, 16);
        if (error != std::errc() || stop != end)
            NotAnInteger(text);
        return static_cast<std::int32_t>(bits);
    }

    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size() || text[pos] < '0' || text[pos] > '9')
        NotAnInteger(text);
    // Read the magnitude wide so that -2147483648 fits before the sign is applied.
    std::uint64_t magnitude = 0;
    const auto [stop, error] = std::from_chars(text.data() + pos, end, magnitude, 10);
    if (error != std::errc() || stop != end)
        NotAnInteger(text);
    const std::uint64_t limit = negative ? 2147483648ULL : 2147483647ULL;
    if (magnitude > limit)
        NotAnInteger(text);
    const auto wide = static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(negative ? -wide : wide);
}

std::string IntToStr(std::int32_t value)
{
    return std::to_string(value);
}

} // namespace tumbaro
