#include "ui/input/keyboard_play.h"

#include "ui/accessibility/accessibility.h"
#include "ui/board/board_view.h"
#include "ui/board/hint_blink.h"
#include "ui/board/keyboard_cursor.h"
#include "ui/commands/game_commands.h"
#include "ui/errors/error_display.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

namespace tumbaro {

namespace {

enum class Action { None, Left, Right, Up, Down, Act, NewGame, Undo, Scheme1, Scheme2, Scheme3, Help, Exit, Hint, Sound, Symbols,
                    Speed, Menu, Pause, Classic, Timed, Zen, ZoomIn, ZoomOut, ZoomReset, FullScreen, LeaveFullScreen,
                    DealNumber, TodaysDeal, ThisDeal, CopyGame, Statistics };

struct Binding {
    int key;
    bool control; // with Ctrl, else without
    Action action;
};

constexpr Binding Bindings[] = {
    {Qt::Key_Left, false, Action::Left},     {Qt::Key_Right, false, Action::Right},
    {Qt::Key_Up, false, Action::Up},         {Qt::Key_Down, false, Action::Down},
    {Qt::Key_Space, false, Action::Act},     {Qt::Key_Return, false, Action::Act},
    {Qt::Key_Enter, false, Action::Act},     {Qt::Key_N, false, Action::NewGame},
    {Qt::Key_F2, false, Action::NewGame},    {Qt::Key_U, false, Action::Undo},
    {Qt::Key_Backspace, false, Action::Undo}, {Qt::Key_Z, true, Action::Undo},
    {Qt::Key_1, false, Action::Scheme1},     {Qt::Key_2, false, Action::Scheme2},
    {Qt::Key_3, false, Action::Scheme3},     {Qt::Key_F1, false, Action::Help},
    {Qt::Key_Q, true, Action::Exit},         {Qt::Key_H, false, Action::Hint},
    {Qt::Key_M, false, Action::Sound},       {Qt::Key_S, false, Action::Symbols},
    {Qt::Key_F, false, Action::Speed},
    // Shift+F10 as well, since Shift changes nothing.
    {Qt::Key_Menu, false, Action::Menu},     {Qt::Key_F10, false, Action::Menu},
    {Qt::Key_P, false, Action::Pause},       {Qt::Key_1, true, Action::Classic},
    {Qt::Key_2, true, Action::Timed},        {Qt::Key_3, true, Action::Zen},
    // Ctrl and the key that has plus on it, with Shift or without.
    {Qt::Key_Plus, true, Action::ZoomIn},    {Qt::Key_Equal, true, Action::ZoomIn},
    {Qt::Key_Minus, true, Action::ZoomOut},  {Qt::Key_0, true, Action::ZoomReset},
    {Qt::Key_F11, false, Action::FullScreen}, {Qt::Key_Escape, false, Action::LeaveFullScreen},
    {Qt::Key_G, false, Action::DealNumber},  {Qt::Key_T, false, Action::TodaysDeal},
    {Qt::Key_D, false, Action::ThisDeal},    {Qt::Key_C, true, Action::CopyGame},
    {Qt::Key_I, false, Action::Statistics},
};

Action ActionOf(const QKeyEvent& event)
{
    // Shift and the keypad change nothing: Caps Lock, keypad digits and
    // keypad arrows all count.
    const Qt::KeyboardModifiers mods = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    for (const Binding& b : Bindings)
        if (event.key() == b.key && mods == (b.control ? Qt::ControlModifier : Qt::NoModifier))
            return b.action;
    return Action::None;
}

bool IsArrow(Action action)
{
    return action == Action::Left || action == Action::Right || action == Action::Up || action == Action::Down;
}

} // namespace

KeyboardPlay::KeyboardPlay(QWidget& stage, GameCommands& commands, BoardView& board, HintBlink& hint,
                           BoardAccessibility& accessibility)
    : QObject(&stage), commands_(commands), board_(board), hint_(hint), accessibility_(accessibility),
      cursor_(new KeyboardCursor(&stage))
{
    setObjectName(QStringLiteral("KeyboardPlay"));
}

void KeyboardPlay::Attach(QWindow* window)
{
    if (!window || window == attached_)
        return;
    if (attached_)
        attached_->removeEventFilter(this);
    attached_ = window;
    window->installEventFilter(this);
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != attached_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        // A key during the hint ends it before the key does anything.
        hint_.Cancel();
        return HandleKey(static_cast<const QKeyEvent&>(*event));
    case QEvent::ContextMenu:
        // The Menu key opens the game's menu. The context menu Qt also makes
        // of that key, for the control with the focus, would open under it
        // and keep the keyboard once the game's menu has closed.
        return static_cast<const QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
    case QEvent::FocusIn:
        // The window is back, after a dialog or another program: the control
        // with the focus is told first, then the cursor's cell again, so that
        // a screen reader is back on the board where the player left it.
        if (cursor_->Shown())
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (cursor_->Shown())
                        accessibility_.FocusCell(cursor_->Row(), cursor_->Column());
                },
                Qt::QueuedConnection);
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        hint_.Cancel();
        pointer_ = static_cast<const QMouseEvent*>(event)->globalPosition();
        return false;
    case QEvent::MouseMove: {
        // Only a real move hides the cursor, not a repeat of where the
        // pointer already was.
        const QPointF at = static_cast<const QMouseEvent*>(event)->globalPosition();
        if (at != pointer_)
            cursor_->hide();
        pointer_ = at;
        return false;
    }
    default:
        return false;
    }
}

bool KeyboardPlay::HandleKey(const QKeyEvent& event)
{
    const Action action = ActionOf(event);
    if (action == Action::None)
        return false;
    // In a list of the table, reached by Tab, the arrows go from entry to
    // entry, so a screen reader can read the table; Tab back to the score box
    // and they move the cursor again.
    if (IsArrow(action) && qobject_cast<QAbstractItemView*>(QApplication::focusWidget()))
        return false;
    // Holding a key down repeats only the cursor's steps.
    if (event.isAutoRepeat() && !IsArrow(action))
        return true;
    ShowErrors([&] {
        switch (action) {
        case Action::Left: MoveCursor(0, -1); break;
        case Action::Right: MoveCursor(0, 1); break;
        case Action::Up: MoveCursor(-1, 0); break;
        case Action::Down: MoveCursor(1, 0); break;
        case Action::Act: ActOnCursorCell(); break;
        // A disabled command, undo with nothing to undo, does nothing.
        case Action::NewGame: commands_.NewGame()->trigger(); break;
        case Action::Undo: commands_.Undo()->trigger(); break;
        case Action::Scheme1: commands_.Scheme(1)->trigger(); break;
        case Action::Scheme2: commands_.Scheme(2)->trigger(); break;
        case Action::Scheme3: commands_.Scheme(3)->trigger(); break;
        case Action::Help: commands_.Help()->trigger(); break;
        case Action::Exit: commands_.Quit()->trigger(); break;
        case Action::Hint: commands_.Hint()->trigger(); break;
        case Action::Sound: commands_.Sound()->trigger(); break;
        case Action::Symbols: commands_.Symbols()->trigger(); break;
        case Action::Speed: commands_.Speed()->trigger(); break;
        case Action::Menu: commands_.Menu()->trigger(); break;
        case Action::Pause: commands_.Pause()->trigger(); break;
        case Action::Classic: commands_.NewGameIn(Way::Classic)->trigger(); break;
        case Action::Timed: commands_.NewGameIn(Way::Timed)->trigger(); break;
        case Action::Zen: commands_.NewGameIn(Way::Zen)->trigger(); break;
        case Action::ZoomIn: commands_.ZoomIn()->trigger(); break;
        case Action::ZoomOut: commands_.ZoomOut()->trigger(); break;
        case Action::ZoomReset: commands_.ZoomReset()->trigger(); break;
        case Action::FullScreen: commands_.FullScreen()->trigger(); break;
        case Action::LeaveFullScreen:
            if (attached_ && attached_->visibility() == QWindow::FullScreen)
                commands_.FullScreen()->trigger();
            break;
        case Action::DealNumber: commands_.DealNumber()->trigger(); break;
        case Action::TodaysDeal: commands_.TodaysDeal()->trigger(); break;
        case Action::ThisDeal: commands_.ThisDeal()->trigger(); break;
        case Action::CopyGame: commands_.CopyGame()->trigger(); break;
        case Action::Statistics: commands_.Statistics()->trigger(); break;
        case Action::None: break;
        }
    });
    return true;
}

void KeyboardPlay::MoveCursor(int rows, int columns)
{
    // The first press only shows where the cursor is.
    if (cursor_->Shown())
        cursor_->Step(rows, columns);
    else
        cursor_->Show();
    accessibility_.FocusCell(cursor_->Row(), cursor_->Column());
}

void KeyboardPlay::ActOnCursorCell()
{
    // A hidden cursor is shown first, so no key acts on a cell the player can't see.
    if (!cursor_->Shown()) {
        MoveCursor(0, 0);
        return;
    }
    board_.Click(cursor_->Row(), cursor_->Column());
}

} // namespace tumbaro
