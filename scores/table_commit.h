#pragma once
// Replacing both table files together or not at all. A save writes the two
// new files beside the old ones, then a commit record naming them, then
// renames them into place and removes the record. Once the record is on disk
// the save is as good as done: whoever next takes the table lock finishes it,
// if the files are still as the record describes them, and otherwise drops it,
// so a table edited by hand is never overwritten by a stale save.

#include "scores/high_score_table.h"

#include <functional>
#include <string>

namespace tumbaro {

// The names of the table's files in one folder; an empty folder is the
// current one, and the names are then bare, as the game has always used them.
struct TablePaths {
    explicit TablePaths(const std::string& where, const TableFileSet& files = ClassicTable);

    std::string folder; // "." for the current one
    std::string names, scores;             // H.dat, H2.dat
    std::string stagedNames, stagedScores; // H.dat.new, H2.dat.new, only during a save
    std::string record;                    // H.commit, only during a save
    std::string lock;                      // H.lock, created once and left in place
    TableFileSet files;
};

// The points between the steps of a save, in order.
enum class CommitStep {
    NamesStaged,    // the new names file is on disk
    ScoresStaged,   // so is the new scores file
    RecordWritten,  // the commit record is on disk: from here the save completes
    NamesReplaced,
    ScoresReplaced,
    FolderSynced,   // both renames are on disk
    RecordRemoved,  // the save is over
};

// Called after each step; tests stop a save there by throwing or exiting.
// A throw before the first rename undoes the save; a later one leaves it for
// the next reader to finish, as a crash there would.
using CommitHook = std::function<void(CommitStep)>;

// With the table lock held: finishes or drops what a save cut short left. A
// record that cannot be read (not a regular file, a link, too large) or is
// void (damaged, not a save of ours, or a staged file that is not a regular
// file) is removed with the staged files and the table kept; the result is
// then false, for the caller to tell the player. Throws GameError when a save
// that must be finished can't be.
bool RecoverTable(const TablePaths& paths);

// With the table lock held: writes both files as one change. A failure up to
// the first rename leaves both files as they were and nothing beside them;
// either way it throws GameError("Cannot create file <name>").
void CommitTable(const TablePaths& paths, const HighScoreTable& table, const CommitHook& afterStep = {});

// EnterScore with a hook in its save.
EnteredScore EnterScore(const std::string& folder, const std::string& name, int score,
                        const CommitHook& afterStep, const TableFileSet& files = ClassicTable);

} // namespace tumbaro
