// The table as windows share it: two windows entering scores at once, saves
// cut short at every step or failing on a full disk, and tables edited by
// hand between saves. Whatever happens, each name keeps its own score.

#include "engine/game_error.h"
#include "scores/high_score_table.h"
#include "scores/table_commit.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tumbaro;
using testing::ThrowsMessage;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace tumbaro {
void PrintTo(const HighScoreTable& t, std::ostream* out) { *out << testing::PrintToString(t.Names) << testing::PrintToString(t.Scores); }
} // namespace tumbaro

namespace {

std::string Bytes(const Lines& lines)
{
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

// Runs `work` in a child process and waits for it; true when it exited 0.
template <typename Work> bool InChild(Work work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        try { work(); } catch (...) { ::_exit(1); }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A name from an older Latin-1 table is saved as UTF-8, as the window shows it.
const HighScoreTable Old{{"Ann", "Bo", "Cy", "Di", "Ed", "Fl\xF6", "Gus", "Hal", "Ivy", "Jo"},
                         {"100", "90", "80", "70", "60", "50", "40", "30", "20", "10"}};
// Old with Zed entered at 95.
const HighScoreTable New{{"Ann", "Zed", "Bo", "Cy", "Di", "Ed", "Fl\xC3\xB6", "Gus", "Hal", "Ivy"},
                         {"100", "95", "90", "80", "70", "60", "50", "40", "30", "20"}};

class SharedTable : public ::testing::Test {
protected:
    void SetUp() override { ::mkdtemp(folder_.data()); Write(Old); }
    void TearDown() override { fs::remove_all(folder_); }

    std::string In(const char* name) const { return folder_ + "/" + name; }
    void WriteFile(const char* name, const std::string& bytes) const { std::ofstream(In(name), std::ios::binary) << bytes; }
    std::string ReadFile(const char* name) const
    {
        return {std::istreambuf_iterator<char>(std::ifstream(In(name), std::ios::binary).rdbuf()), {}};
    }
    void Write(const HighScoreTable& table) const { WriteFile("H.dat", Bytes(table.Names)), WriteFile("H2.dat", Bytes(table.Scores)); }
    bool Holds(const HighScoreTable& table) const
    {
        return ReadFile("H.dat") == Bytes(table.Names) && ReadFile("H2.dat") == Bytes(table.Scores);
    }
    std::set<std::string> Files() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) names.insert(entry.path().filename());
        return names;
    }
    // Nothing of a save is left beside the table once it has been read.
    const std::set<std::string> TableFiles{"H.dat", "H2.dat", "H.lock"};

    std::string folder_ = (fs::temp_directory_path() / "tumbaro-shared-XXXXXX").string();
};

TEST_F(SharedTable, TwoWindowsEnteringAtOnceKeepEveryEntryThatEarnsAPlace)
{
    constexpr int Windows = 2, EntriesEach = 15, Above = 101; // every entry beats the old table
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> children;
    for (int w = 0; w < Windows; ++w) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(start[1]);
            char go;
            [[maybe_unused]] const auto started = ::read(start[0], &go, 1); // returns once the pipe closes
            try {
                for (int i = 0; i < EntriesEach; ++i)
                    EnterScore(folder_, "W" + std::to_string(w) + "-" + std::to_string(i), Above + Windows * i + w);
            } catch (...) { ::_exit(1); }
            ::_exit(0);
        }
        children.push_back(child);
    }
    ::close(start[0]);
    ::close(start[1]); // both windows go at once
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    // The ten best of all entries, the highest first, each with its name.
    HighScoreTable best;
    for (int score = Above + Windows * EntriesEach - 1; best.Names.size() < 10; --score) {
        best.Names.push_back("W" + std::to_string((score - Above) % Windows) + "-" + std::to_string((score - Above) / Windows));
        best.Scores.push_back(std::to_string(score));
    }
    EXPECT_EQ(ReadTable(folder_), best);
    EXPECT_EQ(Files(), TableFiles);
}

// A crash anywhere leaves the old table or the new one; from the commit
// record on, the next reader finishes the save. A failure, unlike a crash,
// undoes a save that has not yet replaced a file, and says so.
TEST_F(SharedTable, ASaveStoppedAtAnyStepLeavesOneWholeTable)
{
    using enum CommitStep;
    for (const CommitStep step : {NamesStaged, ScoresStaged, RecordWritten, NamesReplaced, ScoresReplaced,
                                  FolderSynced, RecordRemoved}) {
        const int at = static_cast<int>(step);
        Write(Old);
        const auto stopAt = [step](bool crash) {
            return [step, crash](CommitStep reached) {
                if (reached == step && crash) ::_exit(0);
                if (reached == step) throw GameError("stopped");
            };
        };
        ASSERT_TRUE(InChild([&] { EnterScore(folder_, "Zed", 95, stopAt(true)); })) << at;
        EXPECT_EQ(ReadTable(folder_), step < RecordWritten ? Old : New) << "crash after step " << at;
        EXPECT_EQ(Files(), TableFiles) << at;

        Write(Old);
        EXPECT_THAT([&] { EnterScore(folder_, "Zed", 95, stopAt(false)); }, ThrowsMessage<GameError>("stopped")) << at;
        if (step <= RecordWritten) {
            EXPECT_TRUE(Holds(Old)) << "failure after step " << at;
            EXPECT_EQ(Files(), TableFiles) << at;
        }
        EXPECT_EQ(ReadTable(folder_), step <= RecordWritten ? Old : New) << "failure after step " << at;
        EXPECT_TRUE(Holds(ReadTable(folder_))) << at;
    }
}

TEST_F(SharedTable, ANewScoreWithoutAPlaceOrAFailingWriteLeavesBothFilesAsTheyWere)
{
    // Equal to the tenth is no place: the files are not even rewritten.
    const auto inodes = [this] {
        struct stat names {}, scores {};
        ::stat(In("H.dat").c_str(), &names), ::stat(In("H2.dat").c_str(), &scores);
        return std::pair(names.st_ino, scores.st_ino);
    };
    const auto unplaced = inodes();
    const EnteredScore none = EnterScore(folder_, "Low", 10);
    EXPECT_EQ(none.place, -1);
    EXPECT_EQ(none.table, Old);
    EXPECT_EQ(inodes(), unplaced);
    EXPECT_TRUE(Holds(Old));

    // Lines past the tenth are saved too; these make the scores file the one
    // that no longer fits.
    HighScoreTable big = Old;
    big.Scores.resize(200, "a line kept below the table");
    rlimit unlimited{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    rlimit diskFull = unlimited;
    diskFull.rlim_cur = 4096;
    std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the test
    Write(big);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &diskFull), 0);
    EXPECT_THAT([&] { EnterScore(folder_, "Zed", 95); }, ThrowsMessage<GameError>("Cannot create file " + In("H2.dat")));
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_TRUE(Holds(big));
    EXPECT_EQ(Files(), TableFiles);

    // Both new files written, and then no room for the record.
    Write(Old);
    const auto recordBlocked = [this](CommitStep step) {
        if (step == CommitStep::ScoresStaged) fs::create_directory(In("H.commit"));
    };
    EXPECT_THAT([&] { EnterScore(folder_, "Zed", 95, recordBlocked); },
                ThrowsMessage<GameError>("Cannot create file " + In("H.commit")));
    fs::remove(In("H.commit"));
    EXPECT_TRUE(Holds(Old));
    EXPECT_EQ(Files(), TableFiles);
}

// A save is finished only while the files are as it left them: whatever a
// player changed by hand since, even after a crash, stays as they left it.
TEST_F(SharedTable, ATableEditedByHandIsNeverRolledBack)
{
    const Lines names{"Ann", "Bo", "Cy", "Dee", "Ed", "Fl\xF6", "Gus", "Hal", "Ivy", "Jo"};
    const Lines scores{"100", "90", "80", "70", "60", "50", "40", "30", "20", "12"};
    const struct { const char* when; CommitStep crashAfter; bool namesEdited; HighScoreTable expected; } cases[] = {
        {"after a finished save", CommitStep::RecordRemoved, true, {names, New.Scores}},
        {"after a save whose record was left behind", CommitStep::FolderSynced, false, {New.Names, scores}},
        {"after a save recorded but not yet renamed", CommitStep::RecordWritten, true, {names, Old.Scores}},
        {"after a save half renamed", CommitStep::NamesReplaced, false, {New.Names, scores}},
    };
    for (const auto& c : cases) {
        Write(Old);
        ASSERT_TRUE(InChild([&] {
            EnterScore(folder_, "Zed", 95, [&](CommitStep step) { if (step == c.crashAfter) ::_exit(0); });
        })) << c.when;
        if (c.namesEdited)
            WriteFile("H.dat", Bytes(names));
        else
            WriteFile("H2.dat", Bytes(scores));
        EXPECT_EQ(ReadTable(folder_), c.expected) << c.when;
        EXPECT_TRUE(Holds(c.expected)) << c.when;
        EXPECT_EQ(Files(), TableFiles) << c.when;
    }
}

} // namespace
