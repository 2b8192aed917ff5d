#include "ui/window/way_play.h"

#include "play/game.h"
#include "ui/accessibility/game_announcements.h"
#include "ui/commands/game_commands.h"
#include "ui/controls/note_strip.h"
#include "ui/layout/window_layout.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

namespace tumbaro {

namespace {

constexpr int ClockInterval = 1000; // ms: the clock shows whole seconds
constexpr std::chrono::milliseconds NoteTime(2500); // the new deal's note stays
// In the strip above the board, over its right end, where no note shows.
const QRect ClockArea(440, 4, 88, 24);
const QRect BoardArea(CellPosition(1, 1), QSize(8 * 52, 8 * 52));
// The strip between the score box and the table.
const QRect HeadingArea(592, 96, 161, 17);

} // namespace

WayPlay::WayPlay(QWidget& window, QWidget& stage, Game& game, GameCommands& commands, GameAnnouncements& announcements)
    : QObject(&window), window_(window), game_(game), commands_(commands), announcements_(announcements),
      clockLabel_(NewNoteStrip(stage, "Clock", ClockArea, 18)), cover_(NewNoteStrip(stage, "PauseCover", BoardArea, 24)),
      note_(stage, "WayNote", NoteTime), heading_(NewNoteStrip(stage, "TableHeading", HeadingArea, 13))
{
    setObjectName(QStringLiteral("WayPlay"));
    cover_->setWordWrap(true);
    cover_->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    cover_->installEventFilter(this);
    clock_.setInterval(ClockInterval);
    clock_.setTimerType(Qt::CoarseTimer);
    connect(&clock_, &QTimer::timeout, this, [this] {
        Count();
        if (game_.TimeUp())
            clock_.stop();
    });
    connect(commands_.Pause(), &QAction::triggered, this, [this] { SetPaused(!paused_); });
    window.installEventFilter(this);
}

QString WayPlay::ClockText() const
{
    // Whole seconds, rounded up: the clock shows 0:00 only once it is out.
    const int seconds = (game_.TimeLeft() + 999) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void WayPlay::GameStarted(bool resumed)
{
    const bool timed = HasClock(game_.CurrentWay());
    commands_.Pause()->setEnabled(timed);
    clockLabel_->setVisible(timed);
    heading_->setText(QCoreApplication::translate("Ways", "Timed"));
    heading_->setVisible(timed);
    clockLabel_->setText(ClockText());
    paused_ = false;
    SetPaused(timed && resumed);
}

void WayPlay::Redealt()
{
    note_.Show(QCoreApplication::translate("Ways", "New deal"));
    announcements_.Say(QCoreApplication::translate("Ways", "No move left: a new deal, the score kept."));
}

void WayPlay::SetHeld(bool held)
{
    held_ = held;
    Follow();
}

void WayPlay::SetPaused(bool paused)
{
    paused_ = paused && HasClock(game_.CurrentWay()) && !game_.TimeUp();
    commands_.Pause()->setChecked(paused_);
    cover_->setText(QCoreApplication::translate("Ways", "Paused. Click here or press P to go on."));
    cover_->setVisible(paused_);
    if (paused_)
        cover_->raise();
    Follow();
}

void WayPlay::Tick(int elapsed)
{
    game_.ClockTick(elapsed);
    clockLabel_->setText(ClockText());
}

void WayPlay::Count()
{
    if (since_.isValid())
        Tick(static_cast<int>(since_.restart()));
}

void WayPlay::Follow()
{
    const bool run = HasClock(game_.CurrentWay()) && !game_.TimeUp() && !paused_ && !held_
                     && window_.isActiveWindow() && !window_.isMinimized() && !QApplication::activeModalWidget();
    if (run == clock_.isActive())
        return;
    if (run) {
        since_.start();
        clock_.start();
    } else {
        // The part of a second already run counts before the clock stops,
        // and the game is kept with the time it has left.
        Count();
        since_.invalidate();
        clock_.stop();
        game_.KeepClock();
    }
}

bool WayPlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cover_ && event->type() == QEvent::MouseButtonPress) {
        SetPaused(false);
        return true;
    }
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
        case QEvent::WindowStateChange:
        case QEvent::Hide:
            // The state has changed once the event is through.
            QMetaObject::invokeMethod(this, &WayPlay::Follow, Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }
    return false;
}

} // namespace tumbaro
