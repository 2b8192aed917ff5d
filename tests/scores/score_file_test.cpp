#include "scores/score_file.h"

#include "engine/game_error.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace tumbaro {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const GameError& error) {
        return error.what();
    }
    return "(no error)";
}

std::vector<std::string> FolderEntries()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator("."))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct LineCase {
    std::string bytes;
    Lines lines;
};

void PrintTo(const LineCase& c, std::ostream* out)
{
    *out << testing::PrintToString(c.bytes);
}

class LoadLinesSplits : public testing::TestWithParam<LineCase> {};

TEST_P(LoadLinesSplits, AtEveryKindOfLineEnd)
{
    TempFolder folder;
    WriteBytes("H.dat", GetParam().bytes);
    EXPECT_EQ(LoadLines("H.dat"), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Variants, LoadLinesSplits,
    testing::Values(LineCase{"", {}}, LineCase{"a\r\nb\r\n", {"a", "b"}},
                    LineCase{"a\nb\n", {"a", "b"}}, LineCase{"a\rb\r", {"a", "b"}},
                    LineCase{"a\r\nb", {"a", "b"}}, LineCase{"\r\n", {""}},
                    LineCase{"a\r\n\r\n", {"a", ""}}, LineCase{"a\n\rb", {"a", "", "b"}},
                    LineCase{"a\r\r\nb", {"a", "", "b"}}, LineCase{" a \r\n", {" a "}},
                    LineCase{std::string("ab\0cd\r\nef", 9), {"ab"}},
                    LineCase{std::string("\0x", 2), {}},
                    LineCase{"J\xF6rg\r\n\xC3\xA9\r\n", {"J\xF6rg", "\xC3\xA9"}}));

TEST(LoadLines, UnreadableFileNamesTheFileAsGiven)
{
    TempFolder folder;
    fs::create_directory("Folder.dat");
    EXPECT_EQ(ErrorOf([] { LoadLines("H.dat"); }), "Cannot open file H.dat");
    EXPECT_EQ(ErrorOf([] { LoadLines("Folder.dat"); }), "Cannot open file Folder.dat");
}

TEST(SaveLines, WritesEachLineWithCrLfAndNothingElse)
{
    TempFolder folder;
    SaveLines("H.dat", {});
    EXPECT_EQ(ReadBytes("H.dat"), "");
    SaveLines("H.dat", {"Ann", "", " B ", "J\xF6rg"});
    EXPECT_EQ(ReadBytes("H.dat"), "Ann\r\n\r\n B \r\nJ\xF6rg\r\n");
    // A shorter table must not leave the tail of the longer one behind.
    SaveLines("H.dat", {"x"});
    EXPECT_EQ(ReadBytes("H.dat"), "x\r\n");
    EXPECT_EQ(FolderEntries(), Lines{"H.dat"});
}

TEST(SaveLines, KeepsPermissionBitsOfTheReplacedFile)
{
    TempFolder folder;
    WriteBytes("H.dat", "old\r\n");
    fs::permissions("H.dat", fs::perms(0640));
    SaveLines("H.dat", {"new"});
    EXPECT_EQ(fs::status("H.dat").permissions(), fs::perms(0640));

    const mode_t previousMask = ::umask(022);
    SaveLines("New.dat", {"x"});
    ::umask(previousMask);
    EXPECT_EQ(fs::status("New.dat").permissions(), fs::perms(0644));
}

TEST(SaveLines, ReplacesTheFileALinkPointsAt)
{
    TempFolder folder;
    fs::create_directory("real");
    WriteBytes("real/H.dat", "old\r\n");
    fs::create_symlink("real/H.dat", "H.dat");
    SaveLines("H.dat", {"new"});
    EXPECT_TRUE(fs::is_symlink("H.dat"));
    EXPECT_EQ(ReadBytes("real/H.dat"), "new\r\n");
}

// Each failure must leave the old table byte for byte and no stray file.
class SaveLinesFailure : public testing::Test {
protected:
    static constexpr const char* OldBytes = "Ann\r\nBob\r\n";

    void SetUp() override { WriteBytes("H.dat", OldBytes); }
    void ExpectOldTableKept()
    {
        EXPECT_EQ(ErrorOf([] { SaveLines("H.dat", {"Eve"}); }), "Cannot create file H.dat");
        fs::permissions(".", fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(ReadBytes("H.dat"), OldBytes);
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

TEST_F(SaveLinesFailure, TargetIsAFolder)
{
    fs::create_directory("Dir.dat");
    EXPECT_EQ(ErrorOf([] { SaveLines("Dir.dat", {"x"}); }), "Cannot create file Dir.dat");
    EXPECT_TRUE(fs::is_directory("Dir.dat"));
    EXPECT_EQ(ErrorOf([] { SaveLines("Missing/H.dat", {"x"}); }), "Cannot create file Missing/H.dat");
}

// A file size limit makes the write stop part-way, as a full disk would.
TEST_F(SaveLinesFailure, DiskFullMidWrite)
{
    struct rlimit previous {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    struct rlimit small = previous;
    small.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    const Lines big(2000, "a fairly long player name");
    const std::string error = ErrorOf([&big] { SaveLines("H.dat", big); });

    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(error, "Cannot create file H.dat");
    EXPECT_EQ(ReadBytes("H.dat"), OldBytes);
    EXPECT_EQ(FolderEntries(), Lines{"H.dat"});
}

} // namespace
} // namespace tumbaro
