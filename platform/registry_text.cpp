#include "platform/registry_text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace tumbaro {

namespace {

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsControl(unsigned char c)
{
    return c < 0x20 || c == 0x7f;
}

bool IsTagChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsInt32(std::string_view text)
{
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Position of the first '=' not preceded by an escaping backslash.
std::string_view::size_type FindSeparator(std::string_view line)
{
    for (std::string_view::size_type i = 0; i < line.size(); ++i) {
        if (line[i] == '\\') {
            ++i;
        } else if (line[i] == '=') {
            return i;
        }
    }
    return std::string_view::npos;
}

std::optional<std::pair<std::string, StoredValue>> ParseValueLine(std::string_view line)
{
    const auto eq = FindSeparator(line);
    if (eq == std::string_view::npos) return std::nullopt;
    const std::string_view rest = line.substr(eq + 1);
    const auto colon = rest.find(':');
    if (colon == std::string_view::npos || colon == 0) return std::nullopt;
    const std::string_view tag = rest.substr(0, colon);
    if (!std::all_of(tag.begin(), tag.end(), IsTagChar)) return std::nullopt;

    auto name = UnescapeField(line.substr(0, eq));
    auto data = UnescapeField(rest.substr(colon + 1));
    if (!name || !data) return std::nullopt;
    StoredValue value{std::string(tag), std::move(*data)};
    if (value.Type() == ValueType::Integer && !IsInt32(value.data)) return std::nullopt;
    return std::make_pair(std::move(*name), std::move(value));
}

} // namespace

bool CaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

ValueType StoredValue::Type() const
{
    if (typeTag == StringTag) return ValueType::String;
    if (typeTag == ExpandStringTag) return ValueType::ExpandString;
    if (typeTag == IntegerTag) return ValueType::Integer;
    return ValueType::Other;
}

std::optional<std::string> NormaliseKeyPath(std::string_view key)
{
    while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
    while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
    if (key.empty() || key.find("\\\\") != std::string_view::npos) return std::nullopt;
    if (std::any_of(key.begin(), key.end(), [](char c) { return IsControl(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    return std::string(key);
}

std::string EscapeField(std::string_view raw, bool isName)
{
    std::string out;
    out.reserve(raw.size());
    for (char c : raw) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (isName && (c == '=' || c == '[')) {
            // '=' would end the name early; '[' at a line start reads as a key.
            out += '\\';
            out += c;
        } else if (IsControl(u)) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> UnescapeField(std::string_view escaped)
{
    std::string out;
    out.reserve(escaped.size());
    for (std::string_view::size_type i = 0; i < escaped.size(); ++i) {
        const char c = escaped[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == escaped.size()) return std::nullopt;
        switch (escaped[i]) {
        case '\\': out += '\\'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case '=': out += '='; break;
        case '[': out += '['; break;
        case 'x': {
            if (i + 2 >= escaped.size()) return std::nullopt;
            const int high = HexDigit(escaped[i + 1]);
            const int low = HexDigit(escaped[i + 2]);
            if (high < 0 || low < 0) return std::nullopt;
            out += static_cast<char>(high * 16 + low);
            i += 2;
            break;
        }
        default: return std::nullopt;
        }
    }
    return out;
}

StoreContents ParseStore(std::string_view text)
{
    StoreContents store;
    if (text.starts_with(Utf8ByteOrderMark)) {
        store.byteOrderMark = true;
        text.remove_prefix(Utf8ByteOrderMark.size());
    }
    ValueMap* section = nullptr; // values before any valid key line are kept as lines
    std::vector<std::string>* kept = &store.keptLines[""];
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        // Every CR at a line's end is line ending, however many an editor
        // left: a key line "[KEY]\r\r" is a key line, and a line kept as it
        // stands reads back the same once written with one line end.
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;

        if (line.front() == '[' && line.size() >= 2 && line.back() == ']') {
            if (const auto key = NormaliseKeyPath(line.substr(1, line.size() - 2))) {
                section = &store.keys[*key];
                kept = &store.keptLines[*key];
                continue;
            }
            section = nullptr; // the lines below a damaged key line belong to no key
        }
        if (section != nullptr) {
            if (auto value = ParseValueLine(line)) {
                (*section)[std::move(value->first)] = std::move(value->second);
                continue;
            }
        }
        kept->emplace_back(line);
    }
    std::erase_if(store.keptLines, [](const auto& entry) { return entry.second.empty(); });
    return store;
}

std::string FormatStore(const StoreContents& store)
{
    std::string out;
    if (store.byteOrderMark) out += Utf8ByteOrderMark;
    const auto writeKept = [&](const std::string& key) {
        const auto lines = store.keptLines.find(key);
        if (lines == store.keptLines.end()) return;
        for (const std::string& line : lines->second) {
            out += line;
            out += '\n';
        }
    };
    // A kept first line that itself begins with the mark's bytes would read
    // back as the mark; a blank line before it keeps it a line.
    if (const auto first = store.keptLines.find(""); first != store.keptLines.end() && !first->second.empty()
                                                      && first->second.front().starts_with(Utf8ByteOrderMark))
        out += '\n';
    writeKept("");
    for (const auto& [key, values] : store.keys) {
        if (out.size() > (store.byteOrderMark ? Utf8ByteOrderMark.size() : 0)) out += '\n';
        out += '[';
        out += key;
        out += "]\n";
        for (const auto& [name, value] : values) {
            out += EscapeField(name, true);
            out += '=';
            out += value.typeTag;
            out += ':';
            out += EscapeField(value.data, false);
            out += '\n';
        }
        writeKept(key);
    }
    return out;
}

} // namespace tumbaro
