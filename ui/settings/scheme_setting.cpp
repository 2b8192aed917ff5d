#include "ui/settings/scheme_setting.h"

#include "engine/game_error.h"
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

SchemeAtStart ReadSchemeAtStart(Registry& registry)
{
    const auto drawable = [](std::int32_t scheme) { return scheme >= 1 && scheme <= 3 ? scheme : 1; };
    SchemeAtStart start;
    registry.RemoveLeftovers();
    try {
        // A key that can't be opened once the default is in place leaves
        // nothing to read and nothing to say.
        if (const auto stored = ReadStoredScheme(registry))
            start.scheme = drawable(*stored);
        return start;
    } catch (const GameError& error) {
        start.error = error.what();
    }
    try {
        // A store the player made read-only fails the write above but may
        // still hold a good number.
        OpenKey guard{registry};
        if (registry.OpenKeyForReading(SchemeKey)) {
            start.scheme = drawable(StrToInt(registry.ReadString(SchemeValueName)));
            return start;
        }
    } catch (const GameError&) {
        // the same fault as above, already told
    }
    try {
        StoreScheme(registry, 1);
    } catch (const GameError&) {
        // not remembered, as with a scheme click on a store that can't be written
    }
    return start;
}

} // namespace tumbaro
