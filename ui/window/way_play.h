#pragma once
// The ways to play as the window shows them: a timed game's clock, driven by
// a one-second timer that runs only while the player can play (the window
// active and not minimised, no menu or dialog open, not paused), the pause
// that hides the board, and the note when a new deal drops in. A Classic
// game shows none of it and wakes nothing.

#include "ui/controls/note_strip.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QLabel;
class QWidget;

namespace tumbaro {

class Game;
class GameAnnouncements;
class GameCommands;

class WayPlay : public QObject {
    Q_OBJECT
public:
    // Its strips are drawn on `stage`, the layout's place in `window`.
    WayPlay(QWidget& window, QWidget& stage, Game& game, GameCommands& commands, GameAnnouncements& announcements);

    // A game has been dealt or resumed: its clock shown or hidden; a resumed
    // timed game waits paused.
    void GameStarted(bool resumed);
    // A new deal dropped in with the score kept.
    void Redealt();
    // The menu or a dialog is open: the clock stands still.
    void SetHeld(bool held);
    void SetPaused(bool paused);
    bool Paused() const { return paused_; }
    bool ClockRunning() const { return clock_.isActive(); }
    // The clock's time as shown, "1:59".
    QString ClockText() const;
    // Starts or stops the clock as the window and the game now stand.
    void Follow();
    // `elapsed` milliseconds off the game's clock, and the time shown; the
    // clock's timer calls it with the time since it last did.
    void Tick(int elapsed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The time since the clock last counted goes off it.
    void Count();

    QWidget& window_;
    Game& game_;
    GameCommands& commands_;
    GameAnnouncements& announcements_;
    QLabel* clockLabel_;
    QLabel* cover_;   // hides the board while paused
    PassingNote note_; // "New deal"
    QLabel* heading_; // over the table: the Timed table is on screen
    QTimer clock_;
    QElapsedTimer since_;
    bool paused_ = false;
    bool held_ = false;
};

} // namespace tumbaro
