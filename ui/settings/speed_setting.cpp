#include "ui/settings/speed_setting.h"

#include "platform/registry_store.h"
#include "platform/stored_value.h"
#include "ui/controls/note_strip.h"
#include "ui/settings/desktop_motion.h"
#include "ui/settings/scheme_setting.h"
#include "ui/settings/sound_switch.h"

#include <QCoreApplication>

#include <array>
#include <optional>

namespace tumbaro {

namespace {

constexpr char SpeedValueName[] = "Speed";
constexpr int NormalInterval = 100; // ms

// The stored names, in the order F steps through them.
constexpr std::array<const char*, 3> StoredNames{"Normal", "Fast", "Instant"};

// Nothing when no speed was ever chosen, or the store holds something else:
// then the game plays at the desktop's wish.
std::optional<Speed> ReadSpeed(Registry& registry)
{
    const auto stored = ReadStoredString(registry, SchemeKey, SpeedValueName);
    for (std::size_t i = 0; stored && i < StoredNames.size(); ++i)
        if (*stored == StoredNames[i])
            return static_cast<Speed>(i);
    return std::nullopt;
}

void StoreSpeed(Registry& registry, Speed speed)
{
    // A store that can't be written keeps the choice for this run only.
    StoreString(registry, SchemeKey, SpeedValueName, StoredNames[static_cast<std::size_t>(speed)]);
}

} // namespace

SpeedSetting::SpeedSetting(std::filesystem::path settingsFile, QWidget* window)
    : QObject(window), settingsFile_(std::move(settingsFile)), note_(*window, "SpeedNote", std::chrono::milliseconds(SoundSwitch::NoteTime))
{
    setObjectName(QStringLiteral("SpeedSetting"));
    Registry registry(settingsFile_);
    if (const auto stored = ReadSpeed(registry)) {
        speed_ = *stored;
        chosen_ = true;
    } else {
        AskDesktopForMotion(this, [this] {
            // The player may have chosen meanwhile; that choice stands.
            if (!chosen_)
                Set(Speed::Instant);
        });
    }
}

void SpeedSetting::Step()
{
    chosen_ = true;
    Set(static_cast<Speed>((static_cast<int>(speed_) + 1) % 3));
    Registry registry(settingsFile_);
    StoreSpeed(registry, speed_);
    // As wide as the words are in this language.
    note_.Show(Words(speed_), true);
}

void SpeedSetting::Set(Speed speed)
{
    speed_ = speed;
    emit Changed(speed);
}

QString SpeedSetting::Words(Speed speed)
{
    switch (speed) {
    case Speed::Fast: return QCoreApplication::translate("Pace", "Speed: Fast");
    case Speed::Instant: return QCoreApplication::translate("Pace", "Speed: Instant");
    case Speed::Normal: break;
    }
    return QCoreApplication::translate("Pace", "Speed: Normal");
}

int SpeedSetting::TickInterval(Speed speed)
{
    switch (speed) {
    case Speed::Fast: return NormalInterval / 2;
    case Speed::Instant: return 0;
    case Speed::Normal: break;
    }
    return NormalInterval;
}

} // namespace tumbaro
