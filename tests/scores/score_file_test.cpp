#include "scores/score_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

namespace tumbaro {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using namespace test;

Lines FolderEntries()
{
    Lines names;
    for (const auto& entry : fs::directory_iterator("."))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(LoadLines, SplitsAtEveryKindOfLineEnd)
{
    TempFolder folder;
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

TEST(LoadLines, UnreadableFileNamesTheFileAsGiven)
{
    TempFolder folder;
    fs::create_directory("Folder.dat");
    EXPECT_EQ(ErrorOf([] { LoadLines("H.dat"); }), "Cannot open file H.dat");
    EXPECT_EQ(ErrorOf([] { LoadLines("Folder.dat"); }), "Cannot open file Folder.dat");
}

TEST(SaveLines, WritesEachLineWithCrLfKeepingPermissions)
{
    TempFolder folder;
    SaveLines("H.dat", {});
    EXPECT_EQ(ReadBytes("H.dat"), "");
    fs::permissions("H.dat", fs::perms(0640));
    SaveLines("H.dat", {"Ann", "", " B ", "J\xF6rg"});
    EXPECT_EQ(ReadBytes("H.dat"), "Ann\r\n\r\n B \r\nJ\xF6rg\r\n");
    // A shorter table must not leave the tail of the longer one behind.
    SaveLines("H.dat", {"x"});
    EXPECT_EQ(ReadBytes("H.dat"), "x\r\n");
    EXPECT_EQ(fs::status("H.dat").permissions(), fs::perms(0640));
    EXPECT_EQ(FolderEntries(), Lines{"H.dat"});
}

// Each failure must keep the old table byte for byte and leave no stray file.
class SaveLinesFailure : public testing::Test {
protected:
    void SetUp() override { WriteBytes("H.dat", "Ann\r\n"); }
    void ExpectOldTableKept(const Lines& lines = {"Eve"})
    {
        EXPECT_EQ(ErrorOf([&] { SaveLines("H.dat", lines); }), "Cannot create file H.dat");
        fs::permissions(".", fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(ReadBytes("H.dat"), "Ann\r\n");
        EXPECT_EQ(FolderEntries(), Lines{"H.dat"});
    }
    TempFolder folder_;
};

TEST_F(SaveLinesFailure, ReadOnlyFile)
{
    fs::permissions("H.dat", fs::perms(0444));
    ExpectOldTableKept();
}

TEST_F(SaveLinesFailure, ReadOnlyFolder)
{
    fs::permissions(".", fs::perms(0555));
    ExpectOldTableKept();
}

// A file size limit stops the write part-way, as a full disk would.
TEST_F(SaveLinesFailure, DiskFullMidWrite)
{
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    ExpectOldTableKept(Lines(2000, "a fairly long player name"));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
}

} // namespace
} // namespace tumbaro
