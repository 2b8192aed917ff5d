#include "pool_threads.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <thread>

namespace tumbaro {
namespace {

// The name Qt gives each thread of a QThreadPool, as the kernel keeps it.
constexpr const char* PoolThreadName = "Thread (pooled)";

bool AnyPoolThread()
{
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        if (std::getline(comm, name) && name == PoolThreadName)
            return true;
    }
    return false;
}

} // namespace

void AwaitPoolThreadsGone()
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (AnyPoolThread() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

} // namespace tumbaro
