#include "scores/high_score_table.h"

#include "engine/game_error.h"
#include "scores/name_text.h"
#include "scores/score_text.h"

#include <stdexcept>

namespace tumbaro {

namespace {

[[noreturn]] void OutOfBounds(int index)
{
    throw GameError("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& LineAt(const std::vector<std::string>& lines, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= lines.size())
        OutOfBounds(index);
    return lines[static_cast<std::size_t>(index)];
}

void ShiftIn(std::vector<std::string>& lines, int place, const std::string& entry)
{
    for (int i = TablePlaces - 1; i > place; --i)
        lines[static_cast<std::size_t>(i)] = lines[static_cast<std::size_t>(i - 1)];
    lines[static_cast<std::size_t>(place)] = entry;
}

} // namespace

int FindPlace(const std::vector<std::string>& scores, std::int32_t score)
{
    int place = -1;
    for (int i = TablePlaces - 1; i >= 0; --i) {
        if (StrToInt(LineAt(scores, i)) < score)
            place = i;
    }
    return place;
}

void InsertEntry(std::vector<std::string>& names, std::vector<std::string>& scores, int place,
                 const std::string& name, std::int32_t score)
{
    if (place < -1 || place >= TablePlaces)
        throw std::invalid_argument("InsertEntry: place out of range");
    if (place == -1)
        return;
    if (HoldsControlCharacter(name))
        throw GameError("Invalid name for the high-score table");
    if (names.size() < scores.size())
        names.resize(scores.size());
    // Both lists are checked first: a short scores list must not leave the
    // names shifted and the scores not.
    LineAt(names, TablePlaces - 1);
    LineAt(scores, TablePlaces - 1);
    ShiftIn(names, place, name);
    ShiftIn(scores, place, IntToStr(score));
}

} // namespace tumbaro
