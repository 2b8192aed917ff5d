#pragma once
// The scheme setting: the chosen scheme, a string value "Scheme"
// of one key in the settings store.

#include "platform/registry_store.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tumbaro {

inline constexpr char SchemeKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Helvorin";
inline constexpr char SchemeValueName[] = "Scheme";

// Creates the key with scheme "1" on the first run, then reads the stored
// number. Nothing when the key can't be opened; throws GameError when the
// default can't be written or the value is no number or of the wrong type.
std::optional<std::int32_t> ReadStoredScheme(Registry& registry);

// Remembers the scheme if the key can be opened; silent otherwise.
void StoreScheme(Registry& registry, int scheme);

// The scheme the game starts with, and the message to show once when the
// stored one could not be had.
struct SchemeAtStart {
    int scheme = 1; // always 1 to 3
    std::optional<std::string> error;
};

// The start-up read: ReadStoredScheme, but nothing stops the game. When it
// fails (a value that is no number, missing or of the wrong type, a store
// that can't be read or written) its message is returned, the scheme is the
// one a read-only store still holds or else 1, and 1 is written back where
// the store can be written. A stored number outside 1 to 3 means scheme 1,
// without a message: there are no pictures for it.
SchemeAtStart ReadSchemeAtStart(Registry& registry);

} // namespace tumbaro
