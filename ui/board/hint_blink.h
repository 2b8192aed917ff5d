#pragma once
// The hint: the two balls of a possible move blink small and normal three
// times and are left normal. It draws on the screen only; the game, the
// score, undo and the files never see it.

#include <QObject>
#include <QTimer>

namespace tumbaro {

class Game;
class Painter;

class HintBlink : public QObject {
    Q_OBJECT
public:
    static constexpr int PhaseInterval = 200; // ms; six phases make the blink
    static constexpr int Phases = 6;

    HintBlink(const Game& game, Painter& painter, QObject* parent);

    // Starts blinking the move the engine's search finds first; false, and
    // nothing shown, during a move, while a ball is picked, or with no move.
    bool Start();
    bool Running() const { return timer_.isActive(); }
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
    int first_ = -1;
    int second_ = -1;
    int phase_ = 0;
};

} // namespace tumbaro
