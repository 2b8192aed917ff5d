#include "temp_folder.h"

#include <fstream>
#include <grp.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tumbaro::test {

namespace {

constexpr uid_t OrdinaryUser = 65534; // "nobody" on Debian
constexpr gid_t OrdinaryGroup = 65534;

} // namespace

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tumbaro-platform-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    // The ordinary user must be able to pass through to the files inside.
    ::chmod(path_.c_str(), 0755);
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_directory(ec)) ::chmod(it->path().c_str(), 0755);
    }
    std::filesystem::remove_all(path_, ec);
}

std::string ReadText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
}

void HandToOrdinaryUser(const std::filesystem::path& path)
{
    if (::geteuid() == 0 && ::chown(path.c_str(), OrdinaryUser, OrdinaryGroup) != 0)
        throw std::runtime_error("chown failed");
}

int RunAsOrdinaryUser(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(OrdinaryGroup) != 0 || ::setuid(OrdinaryUser) != 0)
                ::_exit(CannotDropRoot);
        }
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

} // namespace tumbaro::test
