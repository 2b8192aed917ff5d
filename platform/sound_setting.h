#pragma once
// The sound switch as the settings store keeps it: a string value "Sound",
// "1" on and "0" off, beside the scheme in the game's key. Sound is on unless
// the store says plainly that it is off.

#include "platform/registry_store.h"

#include <string>

namespace tumbaro {

inline constexpr char SoundValueName[] = "Sound";

// False only for a stored "0"; a missing key or value, a store that can't be
// read, a value of another type or any other text all mean on.
bool ReadSoundOn(Registry& registry, const std::string& key);

// Remembers the choice, creating the key if need be; false, and nothing
// thrown, when the store can't be written.
bool StoreSoundOn(Registry& registry, const std::string& key, bool on);

} // namespace tumbaro
