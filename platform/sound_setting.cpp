#include "platform/sound_setting.h"

#include <exception>

namespace tumbaro {

namespace {

struct KeyCloser {
    Registry& registry;
    ~KeyCloser() { registry.CloseKey(); }
};

} // namespace

bool ReadSoundOn(Registry& registry, const std::string& key)
{
    KeyCloser closer{registry};
    try {
        // A store the player made read-only still says what it says.
        if (!registry.OpenKeyForReading(key))
            return true;
        return registry.ReadString(SoundValueName) != "0";
    } catch (const std::exception&) {
        return true; // a value of the wrong type says nothing about sound
    }
}

bool StoreSoundOn(Registry& registry, const std::string& key, bool on)
{
    KeyCloser closer{registry};
    try {
        if (!registry.OpenKey(key, true))
            return false;
        registry.WriteString(SoundValueName, on ? "1" : "0");
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace tumbaro
