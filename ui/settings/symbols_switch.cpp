#include "ui/settings/symbols_switch.h"

#include "platform/registry_store.h"
#include "ui/pictures/picture_list.h"
#include "ui/settings/scheme_setting.h"

#include <exception>

namespace tumbaro {

namespace {

constexpr char SymbolsValueName[] = "Symbols";

struct KeyCloser {
    Registry& registry;
    ~KeyCloser() { registry.CloseKey(); }
};

// Only a plain "1" means on: a missing value, a store that can't be read or
// a value of another kind leave the balls as they always were.
bool ReadSymbolsOn(Registry& registry)
{
    KeyCloser closer{registry};
    try {
        return registry.OpenKeyForReading(SchemeKey) && registry.ReadString(SymbolsValueName) == "1";
    } catch (const std::exception&) {
        return false;
    }
}

void StoreSymbolsOn(Registry& registry, bool on)
{
    KeyCloser closer{registry};
    try {
        if (registry.OpenKey(SchemeKey, true))
            registry.WriteString(SymbolsValueName, on ? "1" : "0");
    } catch (const std::exception&) {
        // A store that can't be written keeps the choice for this run only.
    }
}

} // namespace

SymbolsSwitch::SymbolsSwitch(std::filesystem::path settingsFile, std::span<PictureList* const> ballLists,
                             QObject* parent)
    : QObject(parent), settingsFile_(std::move(settingsFile)), ballLists_(ballLists.begin(), ballLists.end())
{
    setObjectName(QStringLiteral("SymbolsSwitch"));
    Registry registry(settingsFile_);
    on_ = ReadSymbolsOn(registry);
    if (on_)
        Apply();
}

void SymbolsSwitch::Toggle()
{
    on_ = !on_;
    Registry registry(settingsFile_);
    StoreSymbolsOn(registry, on_);
    Apply();
}

void SymbolsSwitch::Apply()
{
    for (PictureList* list : ballLists_)
        list->SetFolder(on_ ? QStringLiteral("symbols/") : QString());
}

} // namespace tumbaro
