#include "ui/settings/way_setting.h"

#include "platform/registry_store.h"
#include "ui/settings/scheme_setting.h"

#include <exception>
#include <string>

namespace tumbaro {

namespace {

constexpr char WayValueName[] = "Way";

} // namespace

Way ReadWay(const std::filesystem::path& settingsFile)
{
    Registry registry(settingsFile);
    Way way = Way::Classic;
    try {
        if (registry.OpenKeyForReading(SchemeKey))
            way = WayNamed(registry.ReadString(WayValueName)).value_or(Way::Classic);
    } catch (const std::exception&) {
        // a value of the wrong type says nothing about the way
    }
    registry.CloseKey();
    return way;
}

bool StoreWay(const std::filesystem::path& settingsFile, Way way)
{
    if (ReadWay(settingsFile) == way)
        return true;
    Registry registry(settingsFile);
    bool stored = false;
    try {
        if (registry.OpenKey(SchemeKey, true)) {
            registry.WriteString(WayValueName, std::string(WayName(way)));
            stored = true;
        }
    } catch (const std::exception&) {
    }
    registry.CloseKey();
    return stored;
}

} // namespace tumbaro
