#pragma once
// Swapping by dragging: a ball pressed with the left button and dragged into
// a neighbouring cell makes the move there and then, as a click on the ball and
// a click on the neighbour would, and the release that follows does nothing
// more. A press and release on one ball stays a click. A drag that ends
// anywhere else leaves the ball picked, as a click on it would. Touchscreens
// need nothing of their own: Qt turns a finger into the same press, motion
// and release.

#include <QObject>
#include <QPointF>

namespace tumbaro {

class BoardView;
class Game;

class DragSwap : public QObject {
    Q_OBJECT
public:
    // Watches every cell of `board`; moves go to `game` as clicks on `board`.
    DragSwap(BoardView& board, Game& game);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Press(int row, int column);
    // True when the pointer has crossed into a neighbour and the move was made.
    bool Move(QPointF windowPoint);
    void Release(QPointF windowPoint);

    BoardView& board_;
    Game& game_;
    int row_ = 0, column_ = 0; // the pressed cell while the left button is held; 0 when none
    bool moved_ = false;       // the move was made during this drag
};

} // namespace tumbaro
