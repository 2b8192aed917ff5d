// The table files byte for byte: every line end and mark an old or
// hand-edited file may hold, and only a plain file of sane size read.

#include "engine/game_error.h"
#include "files/read_file.h"
#include "scores/score_file.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace tumbaro;
using testing::ThrowsMessage;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

void WriteBytes(const char* name, const std::string& bytes) { std::ofstream(name, std::ios::binary) << bytes; }

// The game opens its table by bare name, so each test works in a scratch
// folder made the current one.
class TableFiles : public ::testing::Test {
    void SetUp() override { fs::current_path(::mkdtemp(folder_.data())); }
    void TearDown() override { fs::current_path(previous_), fs::remove_all(folder_); }
    fs::path previous_ = fs::current_path();
    std::string folder_ = (fs::temp_directory_path() / "tumbaro-scores-XXXXXX").string();
};

TEST_F(TableFiles, LoadSplitsAtEveryKindOfLineEndAndStopsAtNul)
{
    const std::pair<std::string, Lines> cases[] = {
        {"", {}}, {"a\r\nb\r\n", {"a", "b"}}, {"a\nb\n", {"a", "b"}}, {"a\rb\r", {"a", "b"}},
        {"a\r\nb", {"a", "b"}}, {"\r\n", {""}}, {"a\r\n\r\n", {"a", ""}}, {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}}, {" a \r\n", {" a "}}, {std::string("ab\0cd\r\nef", 9), {"ab"}},
        {std::string("\0x", 2), {}}, {"J\xF6rg\r\n\xC3\xA9\r\n", {"J\xF6rg", "\xC3\xA9"}},
        // An editor's byte order mark is no part of the first line; only the first one is a mark.
        {"\xEF\xBB\xBF" "100\r\n90", {"100", "90"}}, {"\xEF\xBB\xBF", {}}, {"\xEF\xBB\xBF\xEF\xBB\xBFx", {"\xEF\xBB\xBFx"}},
        {"a\r\n\xEF\xBB\xBF", {"a", "\xEF\xBB\xBF"}}};
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
    const struct { const char* what; std::function<void()> make; } cases[] = {
        {"missing", [] {}},
        {"folder", [] { fs::create_directory("H.dat"); }},
        {"named pipe", [] { ASSERT_EQ(::mkfifo("H.dat", 0644), 0); }},
        {"link to /dev/zero", [] { fs::create_symlink("/dev/zero", "H.dat"); }},
        {"link to a table", [] { WriteBytes("H.old", "Ann\r\n"), fs::create_symlink("H.old", "H.dat"); }},
        {"over the size limit", [] { WriteBytes("H.dat", std::string(MaxFileBytes + 1, 'a')); }}};
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

} // namespace
