// The ways out of the program other than the exit button and the question:
// the window closed by the desktop, SIGTERM or SIGHUP, and the display going
// away. None of them loses an entry the player has earned; the unfinished game
// is already kept.

#include "ui/window/main_window.h"

#include <QCloseEvent>

#include <cstdio>
#include <exception>

namespace tumbaro {

void TTumbaro::CompletePendingEntryOrLog(bool show) noexcept
{
    // Nobody may be there to answer an error box on the way out: the error
    // goes to the log.
    try {
        CompletePendingEntry(show);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tumbaro: the high score could not be entered: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "tumbaro: the high score could not be entered\n");
    }
}

void TTumbaro::closeEvent(QCloseEvent* event)
{
    CompletePendingEntryOrLog(true);
    QWidget::closeEvent(event);
}

void TTumbaro::QuitOnSignal()
{
    CompletePendingEntryOrLog(true);
    Terminate();
}

} // namespace tumbaro
