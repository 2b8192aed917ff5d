// The table files byte for byte: every line end an old or hand-edited file may
// hold, CR LF on writing, and saves that never leave half a table behind.

#include "engine/file_bytes.h"
#include "engine/game_error.h"
#include "scores/score_file.h"

#include <gmock/gmock.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace tumbaro;
using testing::ThrowsMessage;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

void WriteBytes(const char* name, const std::string& bytes) { std::ofstream(name, std::ios::binary) << bytes; }
std::string ReadBytes(const char* name) { return {std::istreambuf_iterator<char>(std::ifstream(name, std::ios::binary).rdbuf()), {}}; }

// The game opens its table by bare name, so each test works in a scratch
// folder made the current one.
class TableFiles : public ::testing::Test {
    void SetUp() override { fs::current_path(::mkdtemp(folder_.data())); }
    void TearDown() override { fs::current_path(previous_), fs::permissions(folder_, fs::perms(0755)), fs::remove_all(folder_); }
    fs::path previous_ = fs::current_path();
    std::string folder_ = (fs::temp_directory_path() / "tumbaro-scores-XXXXXX").string();
};

TEST_F(TableFiles, LoadSplitsAtEveryKindOfLineEndAndStopsAtNul)
{
    const std::pair<std::string, Lines> cases[] = {
        {"", {}}, {"a\r\nb\r\n", {"a", "b"}}, {"a\nb\n", {"a", "b"}}, {"a\rb\r", {"a", "b"}},
        {"a\r\nb", {"a", "b"}}, {"\r\n", {""}}, {"a\r\n\r\n", {"a", ""}}, {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}}, {" a \r\n", {" a "}}, {std::string("ab\0cd\r\nef", 9), {"ab"}},
        {std::string("\0x", 2), {}}, {"J\xF6rg\r\n\xC3\xA9\r\n", {"J\xF6rg", "\xC3\xA9"}}};
    for (const auto& [bytes, lines] : cases) {
        WriteBytes("H.dat", bytes);
        EXPECT_EQ(LoadLines("H.dat"), lines) << testing::PrintToString(bytes);
    }
}

// Whatever stands where the table should be, only a regular file of sane size
// is read; anything else is a missing table, found out without waiting on it.
TEST_F(TableFiles, OnlyARegularFileOfSaneSizeIsRead)
{
    ::alarm(20); // a reader that blocks on the pipe ends the run instead of hanging it
    const auto tooBig = [] { WriteBytes("H.dat", std::string(MaxFileBytes + 1, 'a')); };
    const struct { const char* what; std::function<void()> make; } cases[] = {
        {"missing", [] {}},
        {"folder", [] { fs::create_directory("H.dat"); }},
        {"named pipe", [] { ASSERT_EQ(::mkfifo("H.dat", 0644), 0); }},
        {"link to /dev/zero", [] { fs::create_symlink("/dev/zero", "H.dat"); }},
        {"socket", [] {
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             std::strcpy(address.sun_path, "H.dat");
             ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
             ::close(fd);
         }},
        {"over the size limit", tooBig}};
    for (const auto& c : cases) {
        fs::remove_all("H.dat");
        c.make();
        EXPECT_THAT([] { LoadLines("H.dat"); }, ThrowsMessage<GameError>("Cannot open file H.dat")) << c.what;
    }
    ::alarm(0);
    fs::remove_all("H.dat");
    WriteBytes("H.dat", std::string(MaxFileBytes - 2, 'a') + "\r\n");
    EXPECT_EQ(LoadLines("H.dat"), Lines{std::string(MaxFileBytes - 2, 'a')}) << "the limit itself is a table";
}

// A failed save must keep the old table byte for byte and leave no stray file;
// a good one replaces it whole, keeping its permissions.
TEST_F(TableFiles, SaveReplacesTheWholeTableOrNothing)
{
    rlimit unlimited{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    rlimit diskFull = unlimited; // stops the write part-way, as a full disk would
    diskFull.rlim_cur = 4096;
    std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the test
    const struct { const char* why; int file, folder; const rlimit& limit; } cases[] = {
        {"read-only file", 0444, 0755, unlimited}, {"read-only folder", 0644, 0555, unlimited},
        {"disk full mid-write", 0644, 0755, diskFull}};
    for (const auto& c : cases) {
        WriteBytes("H.dat", "Ann Longname\r\n");
        fs::permissions("H.dat", fs::perms(c.file));
        fs::permissions(".", fs::perms(c.folder));
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &c.limit), 0);
        EXPECT_THAT([] { SaveLines("H.dat", Lines(2000, "a long player name")); },
                    ThrowsMessage<GameError>("Cannot create file H.dat")) << c.why;
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        fs::permissions(".", fs::perms(0755));
        EXPECT_EQ(ReadBytes("H.dat"), "Ann Longname\r\n") << c.why;
        EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 1) << c.why;
    }
    // A line end or a NUL inside a line would shift every entry below it.
    for (const std::string& line : {std::string("Kim\nBo"), std::string("Kim\r"), std::string("K\0m", 3)}) {
        EXPECT_THAT([&] { SaveLines("H.dat", {"Ann", line}); }, ThrowsMessage<GameError>("Cannot create file H.dat"));
        EXPECT_EQ(ReadBytes("H.dat"), "Ann Longname\r\n");
    }
    fs::permissions("H.dat", fs::perms(0640));
    SaveLines("H.dat", {"Bo", "", " B\xF6", "T\tab"}); // an older table's controls are kept as read
    EXPECT_EQ(ReadBytes("H.dat"), "Bo\r\n\r\n B\xF6\r\nT\tab\r\n");
    EXPECT_EQ(fs::status("H.dat").permissions(), fs::perms(0640));
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 1);
}

} // namespace
