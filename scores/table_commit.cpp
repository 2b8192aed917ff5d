#include "scores/table_commit.h"

#include "engine/game_error.h"
#include "files/new_file.h"
#include "files/read_file.h"
#include "scores/commit_record.h"
#include "scores/score_file.h"

#include <cstdio>
#include <filesystem>
#include <optional>

namespace tumbaro {

namespace {

constexpr const char* StagedSuffix = ".new";
// A record of ours is a few hundred bytes; a larger one is refused unread.
constexpr std::size_t MaxRecordBytes = 4096;
constexpr mode_t RecordMode = 0644;

std::string InFolder(const std::string& folder, const std::string& name)
{
    return (std::filesystem::path(folder) / name).string();
}

// The entries of a record of ours, in the order the save renames them.
CommitRecord OurEntries(const TableFileSet& files)
{
    const std::string names = files.names, scores = files.scores;
    return {{{names + StagedSuffix, names, {}, std::nullopt}, {scores + StagedSuffix, scores, {}, std::nullopt}}};
}

bool IsOurs(const CommitRecord& record, const TableFileSet& files)
{
    const CommitRecord ours = OurEntries(files);
    if (record.entries.size() != ours.entries.size())
        return false;
    for (std::size_t i = 0; i < ours.entries.size(); ++i) {
        if (record.entries[i].staged != ours.entries[i].staged || record.entries[i].target != ours.entries[i].target)
            return false;
    }
    return true;
}

bool Exists(const std::string& name)
{
    return KindOf(name) != FileKind::Missing;
}

std::optional<Fingerprint> FingerprintOfFile(const std::string& name)
{
    const auto bytes = ReadFileBytes(name);
    return bytes ? std::optional(FingerprintOf(*bytes)) : std::nullopt;
}

// True when the file is missing and expected missing, or is there, readable
// and as expected. A file that is there but unreadable matches nothing.
bool Matches(const std::string& name, const std::optional<Fingerprint>& expected)
{
    if (!Exists(name))
        return !expected;
    return expected && FingerprintOfFile(name) == expected;
}

// Whatever stands there, a link or an empty folder included; never what a
// link points to.
void RemoveStaged(const TablePaths& paths)
{
    std::remove(paths.stagedNames.c_str());
    std::remove(paths.stagedScores.c_str());
}

// A staged file is acted on only as a regular file in the folder: anything
// else put there, a link above all, makes the record void.
bool StagedAreFiles(const TablePaths& paths)
{
    for (const std::string* staged : {&paths.stagedNames, &paths.stagedScores}) {
        if (KindOf(*staged) == FileKind::Other)
            return false;
    }
    return true;
}

bool WriteRecord(const std::string& name, const CommitRecord& record)
{
    NewFile file = NewFile::At(name, RecordMode);
    if (!file.Fill(FormatCommitRecord(record)))
        return false;
    file.Keep();
    return true;
}

// Finishing is safe only while every file is where the save left it: a new
// file still staged over a target as the save found it, or already renamed.
bool CanFinish(const CommitRecord& record, const TablePaths& paths)
{
    const std::pair<const std::string&, const std::string&> files[] = {
        {paths.stagedNames, paths.names}, {paths.stagedScores, paths.scores}};
    for (std::size_t i = 0; i < std::size(files); ++i) {
        const CommitEntry& entry = record.entries[i];
        const auto& [staged, target] = files[i];
        const bool fits = Exists(staged) ? Matches(staged, entry.after) && Matches(target, entry.before)
                                         : Matches(target, entry.after);
        if (!fits)
            return false;
    }
    return true;
}

// Takes a save back until its first rename: the record goes first, so that
// a crash part-way leaves only stray new files, which the next reader drops.
class Undo {
public:
    explicit Undo(const TablePaths& paths) : paths_(paths) {}
    ~Undo()
    {
        if (!armed_)
            return;
        if (std::remove(paths_.record.c_str()) == 0)
            SyncFolder(paths_.folder);
        RemoveStaged(paths_);
    }
    Undo(const Undo&) = delete;
    Undo& operator=(const Undo&) = delete;
    void Dismiss() { armed_ = false; }

private:
    const TablePaths& paths_;
    bool armed_ = true;
};

[[noreturn]] void CannotCreate(const std::string& name)
{
    throw GameError("Cannot create file " + name);
}

} // namespace

TablePaths::TablePaths(const std::string& where, const TableFileSet& files)
    : folder(where.empty() ? "." : where),
      names(InFolder(where, files.names)),
      scores(InFolder(where, files.scores)),
      stagedNames(names + StagedSuffix),
      stagedScores(scores + StagedSuffix),
      record(InFolder(where, files.record)),
      lock(InFolder(where, files.lock)),
      files(files)
{
}

bool RecoverTable(const TablePaths& paths)
{
    if (!Exists(paths.record)) {
        RemoveStaged(paths); // a save that stopped before its record
        return true;
    }
    const auto text = ReadFileBytes(paths.record, MaxRecordBytes);
    const auto record = text ? ParseCommitRecord(*text) : std::nullopt;
    const bool sound = record && IsOurs(*record, paths.files) && StagedAreFiles(paths);
    if (sound && CanFinish(*record, paths)) {
        if (Exists(paths.stagedNames) && std::rename(paths.stagedNames.c_str(), paths.names.c_str()) != 0)
            CannotCreate(paths.names);
        if (Exists(paths.stagedScores) && std::rename(paths.stagedScores.c_str(), paths.scores.c_str()) != 0)
            CannotCreate(paths.scores);
        if (!SyncFolder(paths.folder))
            CannotCreate(paths.scores);
    }
    // Finished, void, or overtaken by an edit: either way nothing of it is
    // left to do.
    RemoveStaged(paths);
    if (std::remove(paths.record.c_str()) == 0)
        SyncFolder(paths.folder);
    return sound;
}

void CommitTable(const TablePaths& paths, const HighScoreTable& table, const CommitHook& afterStep)
{
    const auto reached = [&afterStep](CommitStep step) {
        if (afterStep)
            afterStep(step);
    };
    CommitRecord record = OurEntries(paths.files);
    record.entries[0].before = FingerprintOfFile(paths.names);
    record.entries[1].before = FingerprintOfFile(paths.scores);

    Undo undo(paths);
    record.entries[0].after = FingerprintOf(StageLines(paths.names, paths.stagedNames, table.Names));
    reached(CommitStep::NamesStaged);
    record.entries[1].after = FingerprintOf(StageLines(paths.scores, paths.stagedScores, table.Scores));
    reached(CommitStep::ScoresStaged);
    // The staged files and the record must be on disk, names included,
    // before a rename can be: the record is what a crash is recovered by.
    if (!WriteRecord(paths.record, record) || !SyncFolder(paths.folder))
        CannotCreate(paths.record);
    reached(CommitStep::RecordWritten);

    if (std::rename(paths.stagedNames.c_str(), paths.names.c_str()) != 0)
        CannotCreate(paths.names);
    undo.Dismiss(); // from here on the record finishes the save
    reached(CommitStep::NamesReplaced);
    if (std::rename(paths.stagedScores.c_str(), paths.scores.c_str()) != 0)
        CannotCreate(paths.scores);
    reached(CommitStep::ScoresReplaced);
    if (!SyncFolder(paths.folder))
        CannotCreate(paths.scores);
    reached(CommitStep::FolderSynced);

    if (std::remove(paths.record.c_str()) == 0)
        SyncFolder(paths.folder);
    reached(CommitStep::RecordRemoved);
}

} // namespace tumbaro
