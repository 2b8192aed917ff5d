#pragma once
// The sound switch: the swap sound and the refusal beep on or off, remembered
// in the settings store, and a short note saying which it now is, shown
// above the board where it covers neither the board nor the table.

#include "ui/controls/note_strip.h"

#include <QObject>

#include <filesystem>

class QWidget;

namespace tumbaro {

class SoundSwitch : public QObject {
    Q_OBJECT
public:
    static constexpr int NoteTime = 1500; // ms

    SoundSwitch(std::filesystem::path settingsFile, QWidget* window);

    bool On() const { return on_; }
    // Turns sound the other way, remembers it if the store takes it, and
    // shows "Sound off" or "Sound on".
    void Toggle();

private:
    std::filesystem::path settingsFile_;
    bool on_;
    PassingNote note_;
};

} // namespace tumbaro
