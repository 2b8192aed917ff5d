// The rules a new score is entered by: the number forms score lines have been
// written in over the years, the text a line holds, where a score goes, and
// how the table makes room.

#include "engine/game_error.h"
#include "scores/high_score_table.h"
#include "scores/name_text.h"
#include "scores/score_text.h"

#include <gmock/gmock.h>

using namespace tumbaro;
using testing::ThrowsMessage;
using Lines = std::vector<std::string>;

namespace {

const Lines Descending{"100", "90", "80", "70", "60", "50", "40", "30", "20", "10"};
const Lines Players{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"};

TEST(StrToInt, EveryFormOldTablesMayHoldAndNothingElse)
{
    const std::pair<const char*, std::int32_t> accepted[] = {
        {"0", 0}, {"+5", 5}, {"-0", 0}, {"  12", 12}, {"007", 7}, {"00000000002147483647", INT32_MAX},
        {"-2147483648", INT32_MIN}, {"$1f", 31}, {"0X1F", 31}, {"0x1f", 31}, {"x1F", 31}, {"  $10", 16},
        // Hexadecimal is a 32-bit pattern read as signed.
        {"$7FFFFFFF", INT32_MAX}, {"$80000000", INT32_MIN}, {"$FFFFFFFF", -1}, {"0x00000000FFFFFFFF", -1}};
    for (const auto& [text, value] : accepted) EXPECT_EQ(StrToInt(text), value) << text;
    const std::string rejected[] = {
        "", " ", "12 ", "1.5", "+", "-", "$", "0x", "x", "--1", "+-1", "- 1", "\t12", "12\r", "1e3", "1,000",
        "2147483648", "-2147483649", "99999999999999999999", "$100000000", "$G", "-$10", "$-1", "$+1", "0x 1",
        "$0x1", "0x-1", "abc", std::string("12\0", 3)};
    for (const std::string& text : rejected) // the message, as shown, ends at a NUL
        EXPECT_THAT([&] { StrToInt(text); }, ThrowsMessage<GameError>(("'" + text + "' is not a valid integer value").c_str()));
}

// A damaged value can be huge: it is refused unread, and quoted only in part,
// cut between characters, never inside one.
TEST(StrToInt, ALongTextIsQuotedInPart)
{
    EXPECT_EQ(StrToInt(std::string(63, ' ') + "7"), 7);
    const std::string cases[] = {std::string(1'000'000, '9'), std::string(64, '0') + "1",
                                 std::string(39, 'a') + "â¬" + std::string(50, 'b')};
    for (const std::string& text : cases) {
        const std::string shown = text.substr(0, text[0] == 'a' ? 39 : 40);
        EXPECT_THAT([&] { StrToInt(text); }, ThrowsMessage<GameError>("'" + shown + "\u2026' is not a valid integer value"))
            << text.substr(0, 50);
    }
}

// Latin-1 when a line is not UTF-8, so old tables read as they always did;
// the saved names of the score-file reader's inputs keep their UTF-8 bytes.
TEST(LineAsUtf8, UnchangedWhenValidElseReadAsLatin1)
{
    const struct { const char* what; std::string bytes, text; } cases[] = {
        {"Latin-1 umlaut", "J\xFCrgen", "J\xC3\xBCrgen"},
        {"Latin-1 letters that look like a lead byte", "\xC5\x20", "\xC3\x85\x20"},
        {"cut-off sequence", "ab\xE2\x82", "ab\xC3\xA2\xC2\x82"},
        {"surrogate half", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LineAsUtf8(c.bytes), c.text) << c.what;
        EXPECT_EQ(IsValidUtf8(c.bytes), c.bytes == c.text) << c.what;
    }
}

// Lines are read from the tenth upwards, so a short or bad table fails at its
// lowest faulty line.
TEST(FindPlace, FirstLineFromTheTopBelowTheScore)
{
    const struct { const char* why; Lines scores; std::int32_t score; int place; } cases[] = {
        {"equal to the tenth earns nothing", Descending, 10, -1},
        {"just above the tenth", Descending, 11, 9},
        {"a tie goes below the equal entry", Descending, 90, 2},
        {"new best", Descending, 101, 0},
        {"unsorted table", {"500", "100", "10", "90", "0", "0", "0", "0", "0", "0"}, 95, 2},
        {"beyond the tenth", {"9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "1", "not a number"}, 5, -1},
        {"old forms", {" 100", "$50", "$FFFFFFFF", "-1", "-1", "-1", "-1", "-1", "-1", "-1"}, 0, 2}};
    for (const auto& c : cases) EXPECT_EQ(FindPlace(c.scores, c.score), c.place) << c.why;
    EXPECT_THAT([] { FindPlace(Lines(9, "5"), 1000); }, ThrowsMessage<GameError>("List index out of bounds (9)"));
    EXPECT_THAT([] { FindPlace({"100", "90", "eighty", "70", "60", "50", "40", "3 0", "20", "10"}, 1000); },
                ThrowsMessage<GameError>("'3 0' is not a valid integer value"));
}

TEST(InsertEntry, ShiftsDownDropsTheTenthAndKeepsTheListsAligned)
{
    struct { const char* why; Lines names, scores; int place; Lines wantNames, wantScores; } cases[] = {
        {"lines beyond the tenth stay", {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K"},
         {"100", "90", "80", "70", "60", "50", "40", "30", "20", "10", "junk"}, 1,
         {"A", "Zoe", "B", "C", "D", "E", "F", "G", "H", "I", "K"},
         {"100", "95", "90", "80", "70", "60", "50", "40", "30", "20", "junk"}},
        {"short names are padded", {"A", "B", "C", "D", "E", "F", "G"}, Descending, 3,
         {"A", "B", "C", "Zoe", "D", "E", "F", "G", "", ""}, {"100", "90", "80", "95", "70", "60", "50", "40", "30", "20"}}};
    for (auto& c : cases) {
        InsertEntry(c.names, c.scores, c.place, "Zoe", 95);
        EXPECT_EQ(c.names, c.wantNames) << c.why;
        EXPECT_EQ(c.scores, c.wantScores) << c.why;
    }
    // The name box lets none of these through; reaching the table with one is
    // a fault, refused before either list moves.
    const std::string refused[] = {"Kim\nBo", "Kim\r", std::string("K\0m", 3), "K\tm", "K\x1B[m", "K\x7Fm",
                                   "K\xC2\x85m", "K\xE2\x80\xA8m", "K\xE2\x80\xA9m", "K\x85m" /* Latin-1 C1 */};
    for (const std::string& name : refused) {
        Lines names = Players, scores = Descending;
        EXPECT_THAT([&] { InsertEntry(names, scores, 0, name, 500); },
                    ThrowsMessage<GameError>("Invalid name for the high-score table")) << testing::PrintToString(name);
        EXPECT_TRUE(names == Players && scores == Descending);
    }
    for (const std::string name : {"\xE2\x80\x8FKim", "J\xFCrgen", "\xC3\xA9 \xE2\x80\xA6", "\xC2\xA0"}) {
        Lines names = Players, scores = Descending;
        InsertEntry(names, scores, 0, name, 500);
        EXPECT_EQ(names[0], name) << "bidi marks, Latin-1 and other printable text are names";
    }
}

} // namespace
