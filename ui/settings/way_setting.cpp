#include "ui/settings/way_setting.h"

#include "platform/registry_store.h"
#include "platform/stored_value.h"
#include "ui/settings/scheme_setting.h"

#include <string>

namespace tumbaro {

namespace {

constexpr char WayValueName[] = "Way";

} // namespace

Way ReadWay(const std::filesystem::path& settingsFile)
{
    Registry registry(settingsFile);
    const auto stored = ReadStoredString(registry, SchemeKey, WayValueName);
    return stored ? WayNamed(*stored).value_or(Way::Classic) : Way::Classic;
}

bool StoreWay(const std::filesystem::path& settingsFile, Way way)
{
    if (ReadWay(settingsFile) == way)
        return true;
    Registry registry(settingsFile);
    return StoreString(registry, SchemeKey, WayValueName, std::string(WayName(way)));
}

} // namespace tumbaro
