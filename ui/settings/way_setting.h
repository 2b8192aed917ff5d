#pragma once
// The way of the last game, remembered with the other settings. A store that
// says nothing, or something unknown, means Classic.

#include "deals/way.h"

#include <filesystem>

namespace tumbaro {

Way ReadWay(const std::filesystem::path& settingsFile);
// Written only when it changes, so a player who never leaves Classic keeps
// the store as it always was. False when it could not be written.
bool StoreWay(const std::filesystem::path& settingsFile, Way way);

} // namespace tumbaro
