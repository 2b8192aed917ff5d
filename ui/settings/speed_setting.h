#pragma once
// The speed moves play out at: Normal, the swap and the fall in steps of
// 100 ms; Fast, the same steps at half the interval; Instant, no motion at
// all, the settled board at once. Remembered in the settings store beside the
// scheme; until the player has chosen, a desktop that asks for no animations
// gets Instant.

#include "ui/controls/note_strip.h"

#include <QObject>

#include <filesystem>

class QWidget;

namespace tumbaro {

enum class Speed { Normal, Fast, Instant };

class SpeedSetting : public QObject {
    Q_OBJECT
public:
    // Reads the stored choice; with none, asks the desktop without waiting.
    // The note saying the new speed is shown on `window`.
    SpeedSetting(std::filesystem::path settingsFile, QWidget* window);

    Speed Current() const { return speed_; }
    // Normal, Fast, Instant, then Normal again; remembered if the store takes
    // it, and shown for a moment above the board.
    void Step();
    // What the note shows for `speed`, in the player's language.
    static QString Words(Speed speed);
    // The interval between two steps of a move; Instant has none.
    static int TickInterval(Speed speed);

signals:
    void Changed(tumbaro::Speed speed);

private:
    void Set(Speed speed);

    std::filesystem::path settingsFile_;
    Speed speed_ = Speed::Normal;
    bool chosen_ = false;
    PassingNote note_;
};

} // namespace tumbaro
