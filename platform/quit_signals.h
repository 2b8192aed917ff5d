#pragma once
// The ways the program can be ended from outside while a player may hold
// something not yet written: SIGTERM and SIGHUP (a kill, a logout), and an
// exit() from inside the toolkit, which is what Qt's X11 platform does when the
// X server goes away.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tumbaro {

// Turns SIGTERM and SIGHUP into the Received signal, emitted on the thread
// that owns the object (the GUI thread) by the event loop, nested loops of
// modal dialogs included. The handlers only write the signal's number to a
// pipe, so nothing else runs inside them. One object at a time; while it
// lives the two signals no longer end the program by themselves, and once it
// is destroyed they do again. Whoever receives Received must end the program
// (QCoreApplication::quit ends every running loop, nested ones too).
class QuitSignals final : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

signals:
    // Once per signal delivered; a second one may arrive before the program
    // has ended, and should not start the same work again.
    void Received(int signalNumber);

private:
    void Drain();

    QSocketNotifier* notifier_;
};

// Runs `last` if the process calls exit() while the guard lives, which a
// return from main never does once the guard has been destroyed. The call
// comes from within exit(), from inside whatever Qt was doing: the widgets
// are still there to be read (a line edit's text, say), but the display may
// be gone and the event loop will not run again, so `last` must only read
// state and write files, never show, repaint or wait for events. One guard at
// a time.
class ExitGuard {
public:
    explicit ExitGuard(std::function<void()> last);
    ~ExitGuard();
    ExitGuard(const ExitGuard&) = delete;
    ExitGuard& operator=(const ExitGuard&) = delete;
};

} // namespace tumbaro
