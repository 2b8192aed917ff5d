#include "platform/quit_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <stdexcept>
#include <unistd.h>
#include <utility>

namespace tumbaro {

namespace {

constexpr int QuitSignalNumbers[] = {SIGTERM, SIGHUP};

// The pipe outlives every QuitSignals object: a signal caught just as one is
// destroyed still has somewhere to go.
int pipeEnds[2] = {-1, -1};
QuitSignals* current = nullptr;

void OnQuitSignal(int number)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    // A full pipe already holds a signal that has not been read: dropping this
    // one loses nothing.
    [[maybe_unused]] const ssize_t ignored = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

void SetDisposition(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // Calls the signal interrupts carry on instead of failing with EINTR.
    action.sa_flags = SA_RESTART;
    for (const int number : QuitSignalNumbers)
        ::sigaction(number, &action, nullptr);
}

std::function<void()>* guarded = nullptr;
bool exitHookRegistered = false;

void RunGuarded()
{
    // Taken first, so that an exit() called from within `last` ends there.
    const std::unique_ptr<std::function<void()>> last(std::exchange(guarded, nullptr));
    if (last)
        (*last)();
}

} // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent)
{
    if (current)
        throw std::logic_error("QuitSignals is already installed");
    if (pipeEnds[0] < 0 && ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("no pipe for the quit signals");
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitSignals::Drain);
    current = this;
    SetDisposition(OnQuitSignal);
}

QuitSignals::~QuitSignals()
{
    SetDisposition(SIG_DFL);
    current = nullptr;
}

void QuitSignals::Drain()
{
    unsigned char numbers[16];
    ssize_t got;
    while ((got = ::read(pipeEnds[0], numbers, sizeof numbers)) > 0)
        for (ssize_t i = 0; i < got; ++i)
            emit Received(numbers[i]);
}

ExitGuard::ExitGuard(std::function<void()> last)
{
    if (guarded)
        throw std::logic_error("an ExitGuard is already armed");
    if (!exitHookRegistered) {
        std::atexit(RunGuarded);
        exitHookRegistered = true;
    }
    guarded = new std::function<void()>(std::move(last));
}

ExitGuard::~ExitGuard()
{
    delete std::exchange(guarded, nullptr);
}

} // namespace tumbaro
