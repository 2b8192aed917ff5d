#include "platform/sound_setting.h"

#include "platform/stored_value.h"

namespace tumbaro {

bool ReadSoundOn(Registry& registry, const std::string& key)
{
    return ReadStoredString(registry, key, SoundValueName) != "0";
}

bool StoreSoundOn(Registry& registry, const std::string& key, bool on)
{
    return StoreString(registry, key, SoundValueName, on ? "1" : "0");
}

} // namespace tumbaro
