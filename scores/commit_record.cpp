#include "scores/commit_record.h"

#include <charconv>

namespace tumbaro {

namespace {

constexpr std::string_view Heading = "table commit 1\n";
constexpr std::string_view Seal = "end ";
constexpr std::string_view Absent = "-";
constexpr std::size_t HashDigits = 16;
// Far more than a save ever names; a longer list is not one of ours.
constexpr std::size_t MostEntries = 16;

std::string Hex(std::uint64_t value)
{
    std::string text(HashDigits, '0');
    for (std::size_t i = HashDigits; i-- > 0; value >>= 4)
        text[i] = "0123456789abcdef"[value & 0xF];
    return text;
}

std::string FormatFingerprint(const std::optional<Fingerprint>& print)
{
    if (!print)
        return std::string(Absent) + " " + std::string(Absent);
    return std::to_string(print->size) + " " + Hex(print->hash);
}

constexpr std::size_t EntryWords = 6;

// The blank-separated words of a line; an empty word (two blanks, or one at
// either end) makes the line no entry of ours.
std::vector<std::string_view> WordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    for (;;) {
        const std::size_t blank = line.find(' ');
        words.push_back(line.substr(0, blank));
        if (blank == std::string_view::npos)
            return words;
        line.remove_prefix(blank + 1);
    }
}

// Only the one spelling FormatCommitRecord writes: no sign, no leading zero.
std::optional<std::uint64_t> ParseSize(std::string_view word)
{
    if (word.size() > 1 && word[0] == '0')
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [stop, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || stop != word.data() + word.size())
        return std::nullopt;
    return value;
}

std::optional<std::uint64_t> ParseHash(std::string_view word)
{
    if (word.size() != HashDigits || word.find_first_not_of("0123456789abcdef") != std::string_view::npos)
        return std::nullopt;
    std::uint64_t value = 0;
    std::from_chars(word.data(), word.data() + word.size(), value, 16);
    return value;
}

bool IsBareName(std::string_view word)
{
    return word != "." && word != ".." && word.find('/') == std::string_view::npos;
}

std::optional<CommitEntry> ParseEntry(std::string_view line)
{
    const auto words = WordsOf(line);
    if (words.size() != EntryWords)
        return std::nullopt;
    for (const std::string_view word : words) {
        if (word.empty())
            return std::nullopt;
    }
    const std::string_view staged = words[0], target = words[1];
    if (!IsBareName(staged) || !IsBareName(target))
        return std::nullopt;

    CommitEntry entry{std::string(staged), std::string(target), {}, std::nullopt};
    const auto size = ParseSize(words[2]);
    const auto hash = ParseHash(words[3]);
    if (!size || !hash)
        return std::nullopt;
    entry.after = {*size, *hash};
    if (words[4] == Absent && words[5] == Absent)
        return entry;
    const auto oldSize = ParseSize(words[4]);
    const auto oldHash = ParseHash(words[5]);
    if (!oldSize || !oldHash)
        return std::nullopt;
    entry.before = Fingerprint{*oldSize, *oldHash};
    return entry;
}

} // namespace

Fingerprint FingerprintOf(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char ch : bytes) {
        hash ^= static_cast<unsigned char>(ch);
        hash *= 1099511628211ULL;
    }
    return {bytes.size(), hash};
}

std::string FormatCommitRecord(const CommitRecord& record)
{
    std::string text(Heading);
    for (const CommitEntry& entry : record.entries)
        text += entry.staged + " " + entry.target + " " + FormatFingerprint(entry.after) + " "
                + FormatFingerprint(entry.before) + "\n";
    text += std::string(Seal) + Hex(FingerprintOf(text).hash) + "\n";
    return text;
}

std::optional<CommitRecord> ParseCommitRecord(std::string_view text)
{
    if (!text.starts_with(Heading) || !text.ends_with('\n'))
        return std::nullopt;
    const std::size_t sealAt = text.rfind('\n', text.size() - 2) + 1;
    const std::string_view body = text.substr(0, sealAt);
    if (text.substr(sealAt) != std::string(Seal) + Hex(FingerprintOf(body).hash) + "\n")
        return std::nullopt;

    CommitRecord record;
    std::string_view lines = body.substr(Heading.size());
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        const auto entry = ParseEntry(lines.substr(0, end));
        if (!entry || record.entries.size() == MostEntries)
            return std::nullopt;
        record.entries.push_back(*entry);
        lines.remove_prefix(end + 1);
    }
    if (record.entries.empty())
        return std::nullopt;
    return record;
}

} // namespace tumbaro
