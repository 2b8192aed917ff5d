#include "platform/stored_value.h"

#include <exception>

namespace tumbaro {

namespace {

struct KeyCloser {
    Registry& registry;
    ~KeyCloser() { registry.CloseKey(); }
};

} // namespace

std::optional<std::string> ReadStoredString(Registry& registry, const std::string& key, const std::string& name)
{
    KeyCloser closer{registry};
    try {
        // A store the player made read-only still says what it says.
        if (registry.OpenKeyForReading(key))
            return registry.ReadString(name);
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

bool StoreString(Registry& registry, const std::string& key, const std::string& name, const std::string& value)
{
    KeyCloser closer{registry};
    try {
        if (!registry.OpenKey(key, true))
            return false;
        registry.WriteString(name, value);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace tumbaro
