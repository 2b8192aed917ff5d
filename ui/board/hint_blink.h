#pragma once
// The hint: the two balls of a possible move blink small and normal three
// times and are left normal, or, for a player who wants no motion, wear a
// steady mark for as long. It draws on the screen only; the game, the score,
// undo and the files never see it.

#include <QObject>
#include <QTimer>

class QWidget;

namespace tumbaro {

class Game;
class PairMark;
class Painter;

class HintBlink : public QObject {
    Q_OBJECT
public:
    static constexpr int PhaseInterval = 200; // ms; six phases make the blink
    static constexpr int Phases = 6;

    // The steady mark is drawn on `window`.
    HintBlink(const Game& game, Painter& painter, QWidget* window);

    // A steady mark in place of the blink, from the next hint on.
    void SetSteady(bool steady) { steady_ = steady; }
    // Starts blinking the move the engine's search finds first; false, and
    // nothing shown, during a move, while a ball is picked, or with no move.
    bool Start();
    bool Running() const;
    // Ends a blink at once with both balls normal.
    void Cancel();
    // The two cells blinked last, as element numbers.
    int First() const { return first_; }
    int Second() const { return second_; }

private:
    void Step();
    void Draw(bool small);

    const Game& game_;
    Painter& painter_;
    QTimer timer_;
    PairMark* mark_;
    bool steady_ = false;
    int first_ = -1;
    int second_ = -1;
    int phase_ = 0;
};

} // namespace tumbaro
