#pragma once
// The ten-place high-score table: finding a new score's place, entering it,
// and keeping the two line lists (names, scores) in "H.dat" and "H2.dat".
// The lists are the same lines the main window shows, one entry per line.

#include "engine/game_error.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tumbaro {

inline constexpr int TablePlaces = 10;
inline constexpr const char* NamesFileName = "H.dat";
inline constexpr const char* ScoresFileName = "H2.dat";

// The files a table is kept in, one pair per table, each with its own lock
// and commit record. The Timed table is not shipped: its first entry makes it.
struct TableFileSet {
    const char* names;
    const char* scores;
    const char* record;
    const char* lock;
    bool madeByFirstEntry; // absent, it reads as ten empty places
};
inline constexpr TableFileSet ClassicTable{NamesFileName, ScoresFileName, "H.commit", "H.lock", false};
inline constexpr TableFileSet TimedTable{"HT.dat", "HT2.dat", "HT.commit", "HT.lock", true};

// The lowest line among the first ten whose score is strictly below `score`,
// or -1. Lines are read from the tenth upwards, so with fewer than ten lines
// it fails at once with "List index out of bounds (9)", and a bad score line
// fails with the conversion's message of the lowest bad line.
int FindPlace(const std::vector<std::string>& scores, std::int32_t score);

// Moves entries place..8 down one, drops the tenth and puts the new entry at
// `place`; lines beyond the tenth stay as they are. A names list shorter than
// the scores list is first padded with empty names so the lists stay aligned.
// A place of -1 enters nothing. A name holding a control character (see
// HoldsControlCharacter) is refused with a GameError before anything moves:
// the name box never lets one through, so reaching here with one is our fault.
void InsertEntry(std::vector<std::string>& names, std::vector<std::string>& scores, int place,
                 const std::string& name, std::int32_t score);

struct HighScoreTable {
    std::vector<std::string> Names;
    std::vector<std::string> Scores;

    // Names from "H.dat", then scores from "H2.dat", in `folder` (the current
    // one when empty), under the table lock and after finishing or dropping
    // any save cut short there. Each list is replaced only once its file has
    // been read, so a missing "H.dat" leaves both lists as they were and
    // "H2.dat" unread. A commit record that had to be dropped unread or void
    // is told, once both lists are read, as GameError("Cannot open file
    // <record>"); it is gone by the next Load.
    void Load(const std::string& folder = {}, const TableFileSet& files = ClassicTable);

    bool operator==(const HighScoreTable&) const = default;
};

// The table as it stands on disk now; fails as Load does.
HighScoreTable ReadTable(const std::string& folder = {}, const TableFileSet& files = ClassicTable);

// The table lock could not be had, as when something other than a plain
// file stands at "H.lock": no entry is made, and the game goes on.
class TableLockError : public GameError {
public:
    using GameError::GameError;
};

struct EnteredScore {
    HighScoreTable table; // as written, or as read when the score has no place
    int place = -1;       // the line the entry went to, -1 for none
};

// Enters a finished game into the table as it stands on disk, not as this
// window read it at start-up, so entries made meanwhile by another window in
// the same folder are kept. Under the table lock: reads both files, finds the
// place, enters the name and score and saves both files as one change, all
// lines as UTF-8. Without a place nothing is written. Fails with the messages
// of FindPlace, InsertEntry and Load, with GameError("Cannot create file
// <name>") when a file can't be written, and with TableLockError("Cannot lock
// file <lock>"), leaving the files as they were.
EnteredScore EnterScore(const std::string& folder, const std::string& name, int score,
                        const TableFileSet& files = ClassicTable);

} // namespace tumbaro
