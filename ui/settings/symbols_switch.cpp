#include "ui/settings/symbols_switch.h"

#include "platform/registry_store.h"
#include "platform/stored_value.h"
#include "ui/pictures/picture_list.h"
#include "ui/settings/scheme_setting.h"


namespace tumbaro {

namespace {

constexpr char SymbolsValueName[] = "Symbols";

// Only a plain "1" means on: a missing value, a store that can't be read or
// a value of another kind leave the balls as they always were.
bool ReadSymbolsOn(Registry& registry) { return ReadStoredString(registry, SchemeKey, SymbolsValueName) == "1"; }

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
    // A store that can't be written keeps the choice for this run only.
    StoreString(registry, SchemeKey, SymbolsValueName, on_ ? "1" : "0");
    Apply();
}

void SymbolsSwitch::Apply()
{
    for (PictureList* list : ballLists_)
        list->SetFolder(on_ ? QStringLiteral("symbols/") : QString());
}

} // namespace tumbaro
