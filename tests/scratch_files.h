#pragma once
// What the file tests share: a scratch folder of their own, whole files read
// and written as bytes, and a second process to race the first.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace tumbaro::test {

// Made afresh for one test and removed, with all it holds, after it.
struct ScratchFolder {
    ScratchFolder() { std::filesystem::create_directories(path); }
    ~ScratchFolder() { std::error_code ignored; std::filesystem::remove_all(path, ignored); }
    std::filesystem::path operator/(const std::string& name) const { return path / name; }

    std::filesystem::path path = std::filesystem::temp_directory_path() / ("tumbaro-test-" + std::to_string(::getpid()));
};

inline std::string ReadAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteAll(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

// Starts `work` in a child process; the call returned waits for it and is
// true when it exited 0.
template <typename Work> auto InChild(Work work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        try { work(); } catch (...) { ::_exit(1); }
        ::_exit(0);
    }
    return [child] {
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
}

} // namespace tumbaro::test
