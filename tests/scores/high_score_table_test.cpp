#include "scores/high_score_table.h"

#include "engine/game_error.h"
#include "scores/score_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tumbaro {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const GameError& error) {
        return error.what();
    }
    return "(no error)";
}

const Lines Descending{"100", "90", "80", "70", "60", "50", "40", "30", "20", "10"};
const Lines Players{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"};

struct PlaceCase {
    const char* why;
    Lines scores;
    std::int32_t score;
    int place;
};

void PrintTo(const PlaceCase& c, std::ostream* out) { *out << c.why; }

class FindPlaceCases : public testing::TestWithParam<PlaceCase> {};

TEST_P(FindPlaceCases, FindsTheFirstLineBelowTheScore)
{
    EXPECT_EQ(FindPlace(GetParam().scores, GetParam().score), GetParam().place) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(Table, FindPlaceCases, testing::Values(
    PlaceCase{"equal to the tenth earns nothing", Descending, 10, -1},
    PlaceCase{"below everything", Descending, -5, -1},
    PlaceCase{"just above the tenth", Descending, 11, 9},
    PlaceCase{"between first and second", Descending, 95, 1},
    PlaceCase{"a tie goes below the equal entry", Descending, 90, 2},
    PlaceCase{"new best", Descending, 101, 0},
    PlaceCase{"unsorted: first line from the top that is lower",
              Lines{"50", "100", "10", "90", "0", "0", "0", "0", "0", "0"}, 60, 0},
    PlaceCase{"unsorted: skips higher lines above",
              Lines{"500", "100", "10", "90", "0", "0", "0", "0", "0", "0"}, 95, 2},
    PlaceCase{"lines beyond the tenth are never compared",
              Lines{"9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "1", "not a number"}, 5, -1},
    PlaceCase{"stored hexadecimal and blanks still compare",
              Lines{" 100", "$50", "$FFFFFFFF", "-1", "-1", "-1", "-1", "-1", "-1", "-1"}, 0, 2}));

TEST(FindPlace, ShortScoreListFailsOnTheTenthLine)
{
    for (std::size_t count : {0u, 1u, 9u}) {
        const Lines scores(count, "5");
        EXPECT_EQ(ErrorOf([&scores] { FindPlace(scores, 1000); }), "List index out of bounds (9)")
            << count << " lines";
    }
}

TEST(FindPlace, ReportsTheLowestBadScoreLine)
{
    Lines scores = Descending;
    scores[2] = "eighty";
    scores[7] = "3 0";
    EXPECT_EQ(ErrorOf([&scores] { FindPlace(scores, 1000); }), "'3 0' is not a valid integer value");
}

TEST(InsertEntry, ShiftsDownFromThePlaceAndDropsTheTenth)
{
    Lines names = Players;
    Lines scores = Descending;
    InsertEntry(names, scores, 1, "Zoe", 95);
    EXPECT_EQ(names, (Lines{"A", "Zoe", "B", "C", "D", "E", "F", "G", "H", "I"}));
    EXPECT_EQ(scores, (Lines{"100", "95", "90", "80", "70", "60", "50", "40", "30", "20"}));

    InsertEntry(names, scores, 9, "Last", 21);
    EXPECT_EQ(names.back(), "Last");
    EXPECT_EQ(scores.back(), "21");
    EXPECT_EQ(scores[8], "30");
}

TEST(InsertEntry, NoPlaceChangesNothing)
{
    Lines names = Players;
    Lines scores = Descending;
    InsertEntry(names, scores, -1, "Zoe", 5);
    EXPECT_EQ(names, Players);
    EXPECT_EQ(scores, Descending);
}

TEST(InsertEntry, LinesBeyondTheTenthStayPut)
{
    Lines names = Players;
    names.insert(names.end(), {"K", "L"});
    Lines scores = Descending;
    scores.insert(scores.end(), {"5", "junk"});
    InsertEntry(names, scores, 0, "Top", 500);
    EXPECT_EQ(names.size(), 12u);
    EXPECT_EQ(names[9], "I");
    EXPECT_EQ(names[10], "K");
    EXPECT_EQ(names[11], "L");
    EXPECT_EQ(scores[9], "20");
    EXPECT_EQ(scores[10], "5");
    EXPECT_EQ(scores[11], "junk");
}

TEST(InsertEntry, ShortNamesArePaddedToStayBesideTheirScores)
{
    Lines names{"A", "B", "C", "D", "E", "F", "G"};
    Lines scores = Descending;
    InsertEntry(names, scores, 3, "New", 75);
    EXPECT_EQ(names, (Lines{"A", "B", "C", "New", "D", "E", "F", "G", "", ""}));
    EXPECT_EQ(scores[3], "75");
    EXPECT_EQ(scores[9], "20");
}

TEST(InsertEntry, ShortScoresTouchNeitherList)
{
    Lines names = Players;
    Lines scores(5, "1");
    EXPECT_EQ(ErrorOf([&] { InsertEntry(names, scores, 2, "X", 9); }), "List index out of bounds (9)");
    EXPECT_EQ(names, Players);
    EXPECT_EQ(scores, Lines(5, "1"));
}

TEST(HighScoreTable, MissingNamesFileLeavesBothListsEmpty)
{
    TempFolder folder;
    WriteBytes("H2.dat", "10\r\n");
    HighScoreTable table;
    EXPECT_EQ(ErrorOf([&table] { table.Load(); }), "Cannot open file H.dat");
    EXPECT_TRUE(table.Names.empty());
    EXPECT_TRUE(table.Scores.empty());
}

TEST(HighScoreTable, MissingScoresFileKeepsTheNames)
{
    TempFolder folder;
    WriteBytes("H.dat", "Ann\r\n");
    HighScoreTable table;
    EXPECT_EQ(ErrorOf([&table] { table.Load(); }), "Cannot open file H2.dat");
    EXPECT_EQ(table.Names, Lines{"Ann"});
    EXPECT_TRUE(table.Scores.empty());
}

TEST(HighScoreTable, FailedNamesSaveLeavesScoresFileUnwritten)
{
    TempFolder folder;
    WriteBytes("H.dat", "Ann\r\n");
    WriteBytes("H2.dat", "10\r\n");
    fs::permissions("H.dat", fs::perms(0444));
    const HighScoreTable table{{"Bob"}, {"20"}};
    EXPECT_EQ(ErrorOf([&table] { table.Save(); }), "Cannot create file H.dat");
    EXPECT_EQ(ReadBytes("H.dat"), "Ann\r\n");
    EXPECT_EQ(ReadBytes("H2.dat"), "10\r\n");
}

// A hand-edited twelve-line pair with lone LF ends and no final line end:
// after one entry, only the first ten lines move and every line ends in CR LF.
TEST(HighScoreTable, RoundTripOfAnEditedTable)
{
    TempFolder folder;
    WriteBytes("H.dat", "A\nB\nC\nD\nE\nF\nG\nH\nI\nJ\nK\nL");
    WriteBytes("H2.dat", "100\n90\n80\n70\n60\n50\n40\n30\n20\n10\nextra\n-3");
    HighScoreTable table;
    table.Load();
    const int place = FindPlace(table.Scores, 11);
    ASSERT_EQ(place, 9);
    InsertEntry(table.Names, table.Scores, place, "Zed", 11);
    table.Save();
    EXPECT_EQ(ReadBytes("H.dat"), "A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\nI\r\nZed\r\nK\r\nL\r\n");
    EXPECT_EQ(ReadBytes("H2.dat"),
              "100\r\n90\r\n80\r\n70\r\n60\r\n50\r\n40\r\n30\r\n20\r\n11\r\nextra\r\n-3\r\n");
}

} // namespace
} // namespace tumbaro
