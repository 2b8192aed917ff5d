#pragma once
// The text form of the settings store: keys, their typed values, and the pure
// functions that turn store text into keys and back without touching disk.
//
// Store text: one section per key, a line "[KEY\PATH]" followed by one line
// "name=TYPE:data" per value. Names and data escape backslash, line breaks and
// other control bytes, and names also escape '=' and '[', so any byte string
// survives a write and a read. Parsing never fails: a line it cannot make
// sense of is skipped and the rest is still read. Skipped lines are kept as
// they stand and written back in their place, and so is a leading UTF-8 byte
// order mark an editor put there: rewriting a store loses nothing of it.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tumbaro {

// Key and value names compare without regard to ASCII case, as the Windows
// registry compares them.
struct CaseInsensitiveLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

enum class ValueType { String, ExpandString, Integer, Other };

// Type tags as they appear in the store text.
inline constexpr std::string_view StringTag = "REG_SZ";
inline constexpr std::string_view ExpandStringTag = "REG_EXPAND_SZ";
inline constexpr std::string_view IntegerTag = "REG_DWORD";

struct StoredValue {
    std::string typeTag; // kept verbatim so unknown types survive a rewrite
    std::string data;    // unescaped; decimal text for REG_DWORD

    ValueType Type() const;
};

using ValueMap = std::map<std::string, StoredValue, CaseInsensitiveLess>;
using KeyMap = std::map<std::string, ValueMap, CaseInsensitiveLess>;

struct StoreContents {
    KeyMap keys;
    // Lines that are neither a key line nor a value line, by the key they
    // follow ("" before the first key), written back after its values.
    std::map<std::string, std::vector<std::string>, CaseInsensitiveLess> keptLines;
    bool byteOrderMark = false;
};

inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// A key path with its outer backslashes trimmed, or nothing when the path
// cannot name a key (empty, an empty segment, or a control byte in it).
std::optional<std::string> NormaliseKeyPath(std::string_view key);

StoreContents ParseStore(std::string_view text);
std::string FormatStore(const StoreContents& store);

std::string EscapeField(std::string_view raw, bool isName);
// Nothing when the text holds a broken escape.
std::optional<std::string> UnescapeField(std::string_view escaped);

} // namespace tumbaro
