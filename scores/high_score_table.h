#pragma once
// The ten-place high-score table: finding a new score's place, entering it,
// and keeping the two line lists (names, scores) in "H.dat" and "H2.dat".
// The lists are the same lines the main window shows, one entry per line.

#include <cstdint>
#include <string>
#include <vector>

namespace tumbaro {

inline constexpr int TablePlaces = 10;
inline constexpr const char* NamesFileName = "H.dat";
inline constexpr const char* ScoresFileName = "H2.dat";

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

    // Names from "H.dat", then scores from "H2.dat". Each list is replaced
    // only once its file has been read, so a missing "H.dat" leaves both
    // lists as they were and "H2.dat" unread.
    void Load();
    // "H.dat", then "H2.dat"; a failure on the first leaves the second unwritten.
    void Save() const;
};

} // namespace tumbaro
