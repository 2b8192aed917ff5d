// The table's files as the windows share them: every read and every entry
// under the table lock, every save as one change of both files.

#include "scores/high_score_table.h"

#include "files/file_lock.h"
#include "scores/name_text.h"
#include "scores/score_file.h"
#include "scores/table_commit.h"

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

} // namespace

void HighScoreTable::Load(const std::string& folder)
{
    const TablePaths paths(folder);
    const FileLock lock(paths.lock, LockFileMode);
    // Without the lock, as in a folder we may not write, there is no one to
    // take turns with and nothing a save could have left behind.
    const bool recordSound = !lock.Held() || RecoverTable(paths);
    Names = LoadLines(paths.names);
    Scores = LoadLines(paths.scores);
    if (!recordSound)
        throw GameError("Cannot open file " + paths.record);
}

HighScoreTable ReadTable(const std::string& folder)
{
    HighScoreTable table;
    table.Load(folder);
    return table;
}

EnteredScore EnterScore(const std::string& folder, const std::string& name, int score)
{
    return EnterScore(folder, name, score, {});
}

EnteredScore EnterScore(const std::string& folder, const std::string& name, int score,
                        const CommitHook& afterStep)
{
    const TablePaths paths(folder);
    const FileLock lock(paths.lock, LockFileMode);
    // A void record found only now goes unsaid: the start told of any before,
    // and what the player waits for here is the entry.
    if (lock.Held())
        RecoverTable(paths);
    EnteredScore entered;
    entered.table.Names = LoadLines(paths.names);
    entered.table.Scores = LoadLines(paths.scores);
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
