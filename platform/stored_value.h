#pragma once
// One string value of the settings store, read or written in a single step:
// the key opened, the value read or written, the key closed again, whatever
// happens. The game's small choices (sound, symbols, speed, zoom, way) are
// each one such value beside the scheme.

#include "platform/registry_store.h"

#include <optional>
#include <string>

namespace tumbaro {

// The value `name` of `key`; nothing when the key or the value is missing,
// the value is of another type, or the store can't be read.
std::optional<std::string> ReadStoredString(Registry& registry, const std::string& key, const std::string& name);

// Writes the value, creating the key if need be; false, and nothing thrown,
// when the store can't be written.
bool StoreString(Registry& registry, const std::string& key, const std::string& name, const std::string& value);

} // namespace tumbaro
