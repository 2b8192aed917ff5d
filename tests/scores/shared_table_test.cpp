// The table as windows share it: two windows entering scores at once, saves
// cut short at every step or failing on a full disk, tables edited by hand
// between saves, and whatever odd or hostile file stands beside the table.
// Whatever happens, each name keeps its own score.

#include "engine/game_error.h"
#include "scores/commit_record.h"
#include "scores/high_score_table.h"
#include "scores/table_commit.h"
#include "../scratch_files.h"

#include <gmock/gmock.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tumbaro;
using namespace tumbaro::test;
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

// A name from an older Latin-1 table is saved as UTF-8, as the window shows it.
const HighScoreTable Old{{"Ann", "Bo", "Cy", "Di", "Ed", "Fl\xF6", "Gus", "Hal", "Ivy", "Jo"},
                         {"100", "90", "80", "70", "60", "50", "40", "30", "20", "10"}};
// Old with Zed entered at 95.
const HighScoreTable New{{"Ann", "Zed", "Bo", "Cy", "Di", "Ed", "Fl\xC3\xB6", "Gus", "Hal", "Ivy"},
                         {"100", "95", "90", "80", "70", "60", "50", "40", "30", "20"}};

class SharedTable : public ::testing::Test {
protected:
    void SetUp() override { Write(Old); }

    std::string In(const char* name) const { return folder_ + "/" + name; }
    void WriteFile(const char* name, const std::string& bytes) const { WriteAll(In(name), bytes); }
    void Write(const HighScoreTable& table) const { WriteFile("H.dat", Bytes(table.Names)), WriteFile("H2.dat", Bytes(table.Scores)); }
    bool Holds(const HighScoreTable& table) const
    {
        return ReadAll(In("H.dat")) == Bytes(table.Names) && ReadAll(In("H2.dat")) == Bytes(table.Scores);
    }
    std::set<std::string> Files() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) names.insert(entry.path().filename());
        return names;
    }
    // Nothing of a save is left beside the table once it has been read.
    const std::set<std::string> TableFiles{"H.dat", "H2.dat", "H.lock"};

    ScratchFolder scratch_;
    std::string folder_ = scratch_.path.string();
};

TEST_F(SharedTable, TwoWindowsEnteringAtOnceKeepEveryEntryThatEarnsAPlace)
{
    constexpr int Windows = 2, EntriesEach = 15, Above = 101; // every entry beats the old table
    const auto enter = [this](int w) {
        for (int i = 0; i < EntriesEach; ++i)
            EnterScore(folder_, "W" + std::to_string(w) + "-" + std::to_string(i), Above + Windows * i + w);
    };
    // This process is one window, a child the other, both entering at once.
    const auto other = InChild([&] { enter(1); });
    enter(0);
    EXPECT_TRUE(other());
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
        ASSERT_TRUE(InChild([&] { EnterScore(folder_, "Zed", 95, stopAt(true)); })()) << at;
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
    struct stat before {}, after {};
    ::stat(In("H2.dat").c_str(), &before);
    EXPECT_EQ(EnterScore(folder_, "Low", 10).place, -1);
    ::stat(In("H2.dat").c_str(), &after);
    EXPECT_TRUE(before.st_ino == after.st_ino && Holds(Old));

    // Lines past the tenth are saved too; these make the scores file the one
    // that no longer fits on a full disk.
    HighScoreTable big = Old;
    big.Scores.resize(200, "a line kept below the table");
    rlimit unlimited{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    rlimit diskFull = unlimited;
    diskFull.rlim_cur = 4096;
    std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the test
    const CommitHook recordBlocked = [this](CommitStep step) { if (step == CommitStep::ScoresStaged) fs::create_directory(In("H.commit")); };
    // A read-only table is refused as the window tests show.
    const struct { const char* why; int folder; const rlimit& limit; CommitHook hook; const char* named; } cases[] = {
        {"read-only folder", 0555, unlimited, {}, "H.dat"}, {"disk full mid-write", 0755, diskFull, {}, "H2.dat"},
        {"no room for the record", 0755, unlimited, recordBlocked, "H.commit"}};
    for (const auto& c : cases) {
        Write(big);
        fs::remove(In("H.lock")); // in a folder we may not write, none can be made either
        fs::permissions(folder_, fs::perms(c.folder));
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &c.limit), 0);
        EXPECT_THAT([&] { EnterScore(folder_, "Zed", 95, c.hook); }, ThrowsMessage<GameError>("Cannot create file " + In(c.named))) << c.why;
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        fs::permissions(folder_, fs::perms(0755));
        EXPECT_TRUE(Holds(big)) << c.why;
        auto files = Files();
        EXPECT_EQ((files.insert("H.lock"), files), TableFiles) << c.why;
    }
    // A rewritten table keeps its permissions.
    Write(Old);
    fs::permissions(In("H.dat"), fs::perms(0640));
    EXPECT_EQ(EnterScore(folder_, "Zed", 95).place, 1);
    EXPECT_TRUE(Holds(New));
    EXPECT_EQ(fs::status(In("H.dat")).permissions(), fs::perms(0640));
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
        })()) << c.when;
        if (c.namesEdited)
            WriteFile("H.dat", Bytes(names));
        else
            WriteFile("H2.dat", Bytes(scores));
        EXPECT_EQ(ReadTable(folder_), c.expected) << c.when;
        EXPECT_TRUE(Holds(c.expected)) << c.when;
        EXPECT_EQ(Files(), TableFiles) << c.when;
    }
}

// Whatever a hostile or broken run left as the commit record or its staged
// files, nothing outside the folder is read into the table or changed: the
// record goes with the staged files, the old table stays, the player is told
// once, and the next entry is made.
TEST_F(SharedTable, AnOddCommitRecordIsDroppedAndToldOnce)
{
    const std::string outside = folder_ + "-outside";
    WriteAll(outside, Bytes(Lines(10, "Mallory")));
    CommitRecord lure{{{"H.dat.new", "H.dat", FingerprintOf(Bytes(Lines(10, "Mallory"))), FingerprintOf(Bytes(Old.Names))},
                       {"H2.dat.new", "H2.dat", FingerprintOf(Bytes(Old.Scores)), FingerprintOf(Bytes(Old.Scores))}}};
    const struct { const char* what; std::function<void()> plant; } cases[] = {
        {"a staged link to a file outside that the record matches", [&] {
             fs::create_symlink(outside, In("H.dat.new")), WriteFile("H2.dat.new", Bytes(Old.Scores));
             WriteFile("H.commit", FormatCommitRecord(lure));
         }},
        {"a pipe", [&] { ::mkfifo(In("H.commit").c_str(), 0644); }},
        {"a folder", [&] { fs::create_directory(In("H.commit")); }},
        {"damaged, with staged files", [&] { WriteFile("H.dat.new", "x"), WriteFile("H.commit", "table commit 1\n"); }},
    };
    ::alarm(20); // a read that blocks on the pipe ends the run instead of hanging it
    for (const auto& c : cases) {
        Write(Old);
        c.plant();
        EXPECT_THAT([&] { ReadTable(folder_); }, ThrowsMessage<GameError>("Cannot open file " + In("H.commit"))) << c.what;
        EXPECT_EQ(ReadTable(folder_), Old) << c.what << ": told once";
        EXPECT_EQ(Files(), TableFiles) << c.what;
        EXPECT_EQ(EnterScore(folder_, "Zed", 95).place, 1) << c.what;
        EXPECT_TRUE(Holds(New)) << c.what;
    }
    ::alarm(0);
    EXPECT_EQ(ReadAll(outside), Bytes(Lines(10, "Mallory")));
    fs::remove(outside);
}

// Whatever stands at the lock file, nothing is made or changed through it:
// the table is read, and an entry is refused as what it is.
TEST_F(SharedTable, ALockFileThatIsNoPlainFileTakesNoEntryAndTouchesNothingElsewhere)
{
    const std::string outside = folder_ + "-outside";
    // What the file outside holds afterwards; "" for none at all.
    const struct { const char* what; std::function<void()> plant; const char* outsideAfter; } cases[] = {
        {"a dangling link", [&] { fs::create_symlink(outside, In("H.lock")); }, ""},
        {"a link to a file", [&] { WriteAll(outside, "mine"), fs::create_symlink(outside, In("H.lock")); }, "mine"},
        {"a pipe", [&] { ::mkfifo(In("H.lock").c_str(), 0644); }, ""},
    };
    ::alarm(20);
    for (const auto& c : cases) {
        Write(Old);
        fs::remove(In("H.lock"));
        c.plant();
        EXPECT_EQ(ReadTable(folder_), Old) << c.what;
        EXPECT_THAT([&] { EnterScore(folder_, "Zed", 95); }, ThrowsMessage<TableLockError>("Cannot lock file " + In("H.lock"))) << c.what;
        EXPECT_EQ(EnterScore(folder_, "Low", 5).place, -1) << c.what << ": no place, nothing to lock for";
        EXPECT_TRUE(Holds(Old)) << c.what;
        EXPECT_EQ(fs::exists(outside) ? ReadAll(outside) : "", c.outsideAfter) << c.what;
        fs::remove(outside);
    }
    ::alarm(0);
}

} // namespace
