#pragma once
// Scratch folders and an ordinary user for the platform tests: file permission
// failures only show up for a user who is not root, so checks that need them
// run in a child process that has given up root.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace tumbaro::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string ReadText(const std::filesystem::path& file);
void WriteText(const std::filesystem::path& file, const std::string& text);

// Gives the file or folder to the ordinary user when running as root, so that
// the user may change it; does nothing otherwise.
void HandToOrdinaryUser(const std::filesystem::path& path);

// Exit code of a child that could not stop being root.
inline constexpr int CannotDropRoot = 200;

// Runs body in a child process as an ordinary user and returns its result (0
// for success), or CannotDropRoot.
int RunAsOrdinaryUser(const std::function<int()>& body);

} // namespace tumbaro::test

// For bodies run by RunAsOrdinaryUser: names the failing check and ends the
// child with a failure.
#define CHILD_CHECK(condition)                                                  \
    do {                                                                        \
        if (!(condition)) {                                                     \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition); \
            return 1;                                                           \
        }                                                                       \
    } while (false)
