// The table's files as the windows share them: every read and every entry
// under the table lock, every save as one change of both files.

#include "scores/high_score_table.h"

#include "files/file_lock.h"
#include "scores/name_text.h"
#include "scores/score_file.h"
#include "scores/table_commit.h"

#include <filesystem>

namespace tumbaro {

namespace {

// Every player who shares the folder takes turns at the lock file.
constexpr mode_t LockFileMode = 0666;

// The window shows every line as UTF-8 and has always saved what it shows.
void AsUtf8(std::vector<std::string>& lines)
{
    for (std::string& line : lines)
        line = LineAsUtf8(line);
}

// Both lists of the table, or ten empty places for a table its first entry makes.
void LoadBoth(const TablePaths& paths, HighScoreTable& table)
{
    if (paths.files.madeByFirstEntry && !std::filesystem::exists(std::filesystem::symlink_status(paths.names))) {
        table.Names.assign(TablePlaces, std::string());
        table.Scores.assign(TablePlaces, "0");
        return;
    }
    table.Names = LoadLines(paths.names);
    table.Scores = LoadLines(paths.scores);
}

} // namespace

void HighScoreTable::Load(const std::string& folder, const TableFileSet& files)
{
    const TablePaths paths(folder, files);
    const FileLock lock(paths.lock, LockFileMode);
    // Without the lock, as in a folder we may not write, there is no one to
    // take turns with and nothing a save could have left behind.
    const bool recordSound = !lock.Held() || RecoverTable(paths);
    LoadBoth(paths, *this);
    if (!recordSound)
        throw GameError("Cannot open file " + paths.record);
}

HighScoreTable ReadTable(const std::string& folder, const TableFileSet& files)
{
    HighScoreTable table;
    table.Load(folder, files);
    return table;
}

EnteredScore EnterScore(const std::string& folder, const std::string& name, int score, const TableFileSet& files)
{
    return EnterScore(folder, name, score, {}, files);
}

EnteredScore EnterScore(const std::string& folder, const std::string& name, int score,
                        const CommitHook& afterStep, const TableFileSet& files)
{
    const TablePaths paths(folder, files);
    const FileLock lock(paths.lock, LockFileMode);
    // A void record found only now goes unsaid: the start told of any before,
    // and what the player waits for here is the entry.
    if (lock.Held())
        RecoverTable(paths);
    EnteredScore entered;
    LoadBoth(paths, entered.table);
    entered.place = FindPlace(entered.table.Scores, score);
    if (entered.place == -1)
        return entered;

    HighScoreTable table = entered.table;
    InsertEntry(table.Names, table.Scores, entered.place, name, score);
    AsUtf8(table.Names);
    AsUtf8(table.Scores);
    // A folder where not even the lock file can be made is one where the
    // table can't be written either.
    if (lock.Is() == FileLock::State::Unmade)
        throw GameError("Cannot create file " + paths.names);
    if (!lock.Held())
        throw TableLockError("Cannot lock file " + paths.lock);
    CommitTable(paths, table, afterStep);
    entered.table = std::move(table);
    return entered;
}

} // namespace tumbaro
