#include "ui/settings/sound_switch.h"

#include "platform/sound_setting.h"
#include "ui/controls/note_strip.h"
#include "ui/settings/scheme_setting.h"
#include "ui/layout/window_layout.h"

#include <QCoreApplication>
#include <QLabel>

namespace tumbaro {

SoundSwitch::SoundSwitch(std::filesystem::path settingsFile, QWidget* window)
    : QObject(window), settingsFile_(std::move(settingsFile)), note_(*window, "SoundNote", std::chrono::milliseconds(NoteTime))
{
    setObjectName(QStringLiteral("SoundSwitch"));
    Registry registry(settingsFile_);
    on_ = ReadSoundOn(registry, SchemeKey);
}

void SoundSwitch::Toggle()
{
    on_ = !on_;
    // A store that can't be written keeps the choice for this run only.
    Registry registry(settingsFile_);
    StoreSoundOn(registry, SchemeKey, on_);
    note_.Show(on_ ? QCoreApplication::translate("SoundNote", "Sound on")
                   : QCoreApplication::translate("SoundNote", "Sound off"));
}

} // namespace tumbaro
