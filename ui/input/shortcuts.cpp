#include "ui/input/shortcuts.h"

#include "ui/accessibility/accessibility.h"
#include "ui/errors/error_display.h"
#include "ui/board/hint_blink.h"
#include "ui/board/keyboard_cursor.h"
#include "ui/window/main_window.h"
#include "ui/controls/picture_control.h"
#include "ui/settings/sound_switch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

namespace tumbaro {

namespace {

enum class Action { None, Left, Right, Up, Down, Act, NewGame, Undo, Scheme1, Scheme2, Scheme3, Help, Exit, Hint, Sound };

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
    {Qt::Key_M, false, Action::Sound},
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

KeyboardPlay::KeyboardPlay(TTumbaro& window, SoundSwitch& sound, BoardAccessibility& accessibility)
    : QObject(&window), window_(window), sound_(sound), accessibility_(accessibility),
      cursor_(new KeyboardCursor(&window)), hint_(new HintBlink(window.GameLogic(), window, this))
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
        hint_->Cancel();
        return HandleKey(static_cast<const QKeyEvent&>(*event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        hint_->Cancel();
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
        case Action::NewGame: window_.Image16Click(); break;
        case Action::Undo: Undo(); break;
        case Action::Scheme1: window_.Image11Click(); break;
        case Action::Scheme2: window_.Image12Click(); break;
        case Action::Scheme3: window_.Image13Click(); break;
        case Action::Help:
            // A click's order: the page first, then the released look.
            window_.HelpClick();
            window_.HelpMouseUp();
            break;
        case Action::Exit: window_.ExitClick(); break;
        case Action::Hint: hint_->Start(); break;
        case Action::Sound: sound_.Toggle(); break;
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
    window_.ButtonClick(cursor_->Row(), cursor_->Column());
}

void KeyboardPlay::Undo()
{
    // The key does what the button does, and the button only works while enabled.
    const auto* button = window_.findChild<PictureControl*>(QStringLiteral("Image15"));
    if (button && button->isEnabled())
        window_.Image15Click();
}

} // namespace tumbaro
