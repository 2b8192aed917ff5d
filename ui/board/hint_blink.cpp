#include "ui/board/hint_blink.h"

#include "engine/board.h"
#include "play/game.h"
#include "ui/board/pair_mark.h"

#include <QWidget>

namespace tumbaro {

HintBlink::HintBlink(const Game& game, Painter& painter, QWidget* window)
    : QObject(window), game_(game), painter_(painter), timer_(this),
      mark_(new PairMark(window, PairMark::Look::Hint, QStringLiteral("HintMark")))
{
    setObjectName(QStringLiteral("HintBlink"));
    timer_.setInterval(PhaseInterval);
    connect(&timer_, &QTimer::timeout, this, &HintBlink::Step);
}

bool HintBlink::Start()
{
    Cancel();
    if (game_.Animating() || game_.PendingPick())
        return false;
    const auto move = FirstMove(game_.State().GameBoard);
    if (!move)
        return false;
    first_ = move->First;
    second_ = move->Second;
    if (steady_) {
        mark_->Show(first_, second_, Phases * PhaseInterval);
        return true;
    }
    phase_ = 0;
    Draw(true);
    timer_.start();
    return true;
}

bool HintBlink::Running() const { return timer_.isActive() || mark_->Shown(); }

void HintBlink::Cancel()
{
    mark_->Hide();
    if (!timer_.isActive())
        return;
    timer_.stop();
    Draw(false);
}

void HintBlink::Step()
{
    // Even phases small, odd phases normal: the last one leaves them normal
    // and the blink is over when it has had its time.
    if (++phase_ >= Phases) {
        timer_.stop();
        return;
    }
    Draw(phase_ % 2 == 0);
}

void HintBlink::Draw(bool small)
{
    const Matrix& board = game_.State().GameBoard;
    for (const int cell : {first_, second_})
        painter_.DrawCell(RowOf(cell), ColumnOf(cell), board[cell],
                         small ? CellSize::Small : CellSize::Normal);
}

} // namespace tumbaro
