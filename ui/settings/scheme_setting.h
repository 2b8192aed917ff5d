#pragma once
// The one setting the game keeps: the chosen scheme, a string value "Scheme"
// of one key in the settings store.

#include "platform/registry_store.h"

#include <cstdint>
#include <optional>

namespace tumbaro {

inline constexpr char SchemeKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Helvorin";
inline constexpr char SchemeValueName[] = "Scheme";

// Creates the key with scheme "1" on the first run, then reads the stored
// number. Nothing when the key can't be opened; throws GameError when the
// default can't be written or the value is no number or of the wrong type.
std::optional<std::int32_t> ReadStoredScheme(Registry& registry);

// Remembers the scheme if the key can be opened; silent otherwise.
void StoreScheme(Registry& registry, int scheme);

} // namespace tumbaro
