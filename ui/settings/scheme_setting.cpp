#include "ui/settings/scheme_setting.h"

#include "scores/score_text.h"

#include <string>

namespace tumbaro {

namespace {

// Closes the key whatever happens while it is open.
struct OpenKey {
    Registry& registry;
    ~OpenKey() { registry.CloseKey(); }
};

} // namespace

std::optional<std::int32_t> ReadStoredScheme(Registry& registry)
{
    {
        OpenKey guard{registry};
        if (!registry.OpenKey(SchemeKey, false)) {
            registry.OpenKey(SchemeKey, true);
            registry.WriteString(SchemeValueName, "1");
        }
    }
    OpenKey guard{registry};
    if (!registry.OpenKey(SchemeKey, false))
        return std::nullopt;
    return StrToInt(registry.ReadString(SchemeValueName));
}

void StoreScheme(Registry& registry, int scheme)
{
    OpenKey guard{registry};
    if (registry.OpenKey(SchemeKey, false))
        registry.WriteString(SchemeValueName, std::to_string(scheme));
}

} // namespace tumbaro
