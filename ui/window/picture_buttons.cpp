// The picture buttons below the board and in the corner, and moving or
// minimising the borderless window from its background.

#include "platform/help_page.h"
#include "ui/window/main_window.h"

#include <QWindow>

namespace tumbaro {

namespace {
// Looks in ImageList2.
constexpr int NewReleased = 0, NewPressed = 1, UndoReleased = 2, UndoPressed = 3, ExitPressed = 5,
              HelpReleased = 6, HelpPressed = 7;
} // namespace

void TTumbaro::Image16MouseDown() { ShowLook(QStringLiteral("Image16"), "ImageList2", NewPressed); }

void TTumbaro::Image16Click()
{
    ShowLook(QStringLiteral("Image16"), "ImageList2", NewReleased);
    game_.Newgame();
}

void TTumbaro::Image15MouseDown() { ShowLook(QStringLiteral("Image15"), "ImageList2", UndoPressed); }

void TTumbaro::Image15Click()
{
    ShowLook(QStringLiteral("Image15"), "ImageList2", UndoReleased);
    game_.Undo();
}

void TTumbaro::ExitMouseDown() { ShowLook(QStringLiteral("Exit"), "ImageList2", ExitPressed); }

void TTumbaro::ExitClick() { Terminate(); }

void TTumbaro::HelpMouseDown() { ShowLook(QStringLiteral("Help"), "ImageList2", HelpPressed); }

void TTumbaro::HelpMouseUp() { ShowLook(QStringLiteral("Help"), "ImageList2", HelpReleased); }

void TTumbaro::HelpClick() { OpenHelpPage(); }

void TTumbaro::BackgroundMouseDown(Qt::MouseButton button, QPoint position)
{
    // The background reaches 8 pixels left of and 24 above the window, so
    // every point of the window lies strictly inside it.
    if (position.x() <= 0 || position.x() >= 800 || position.y() <= 0 || position.y() >= 600)
        return;
    if (button == Qt::LeftButton) {
        if (QWindow* window = windowHandle())
            window->startSystemMove();
    } else if (button == Qt::RightButton) {
        showMinimized();
    }
}

} // namespace tumbaro
