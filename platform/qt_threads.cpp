#include "qt_threads.h"

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>

namespace tumbaro {
namespace {

// The names Qt's threads carry, as the kernel keeps them (at most 15
// characters): a pool thread, the X event reader, the D-Bus thread.
constexpr std::array<std::string_view, 3> QtThreadNames{"Thread (pooled)", "QXcbEventQueue", "QDBusConnection"};

bool AnyQtThread()
{
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        if (!std::getline(comm, name))
            continue;
        for (const std::string_view qtName : QtThreadNames)
            if (name == qtName)
                return true;
    }
    return false;
}

void AwaitQtThreadsGone()
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (AnyQtThread() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

} // namespace

void AwaitQtThreadsAtExit()
{
    // Exit handlers run last registered first: this one after Qt's.
    std::atexit(AwaitQtThreadsGone);
}

} // namespace tumbaro
