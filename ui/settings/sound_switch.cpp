#include "ui/settings/sound_switch.h"

#include "platform/sound_setting.h"
#include "ui/controls/note_strip.h"
#include "ui/settings/scheme_setting.h"
#include "ui/layout/window_layout.h"

#include <QCoreApplication>
#include <QLabel>

namespace tumbaro {

namespace {

// The strip between the window's top and the board, centred over the board.
const QRect NoteArea(262, 4, 112, 24);

} // namespace

SoundSwitch::SoundSwitch(std::filesystem::path settingsFile, QWidget* window)
    : QObject(window), settingsFile_(std::move(settingsFile)), note_(NewNoteStrip(*window, "SoundNote", NoteArea, 16)), noteTimer_(this)
{
    setObjectName(QStringLiteral("SoundSwitch"));
    Registry registry(settingsFile_);
    on_ = ReadSoundOn(registry, SchemeKey);

    noteTimer_.setSingleShot(true);
    noteTimer_.setInterval(NoteTime);
    connect(&noteTimer_, &QTimer::timeout, note_, &QWidget::hide);
}

void SoundSwitch::Toggle()
{
    on_ = !on_;
    // A store that can't be written keeps the choice for this run only.
    Registry registry(settingsFile_);
    StoreSoundOn(registry, SchemeKey, on_);
    note_->setText(on_ ? QCoreApplication::translate("SoundNote", "Sound on")
                        : QCoreApplication::translate("SoundNote", "Sound off"));
    note_->raise();
    note_->show();
    noteTimer_.start();
}

} // namespace tumbaro
