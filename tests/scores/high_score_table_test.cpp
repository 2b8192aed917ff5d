#include "scores/high_score_table.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

namespace tumbaro {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using namespace test;

const Lines Descending{"100", "90", "80", "70", "60", "50", "40", "30", "20", "10"};
const Lines Players{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"};

TEST(FindPlace, FirstLineFromTheTopBelowTheScore)
{
    const Lines unsorted{"500", "100", "10", "90", "0", "0", "0", "0", "0", "0"};
    const Lines twelve{"9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "1", "not a number"};
    const Lines oddForms{" 100", "$50", "$FFFFFFFF", "-1", "-1", "-1", "-1", "-1", "-1", "-1"};
    const struct { const char* why; const Lines& scores; std::int32_t score; int place; } cases[] = {
        {"equal to the tenth earns nothing", Descending, 10, -1},
        {"below everything", Descending, -5, -1},
        {"just above the tenth", Descending, 11, 9},
        {"a tie goes below the equal entry", Descending, 90, 2},
        {"new best", Descending, 101, 0},
        {"unsorted table", unsorted, 95, 2},
        {"lines beyond the tenth are never compared", twelve, 5, -1},
        {"old forms still compare", oddForms, 0, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(FindPlace(c.scores, c.score), c.place) << c.why;
}

TEST(FindPlace, FailsFromTheTenthLineUpwards)
{
    EXPECT_EQ(ErrorOf([] { FindPlace({}, 1000); }), "List index out of bounds (9)");
    EXPECT_EQ(ErrorOf([] { FindPlace(Lines(9, "5"), 1000); }), "List index out of bounds (9)");
    Lines scores = Descending;
    scores[2] = "eighty";
    scores[7] = "3 0";
    EXPECT_EQ(ErrorOf([&] { FindPlace(scores, 1000); }), "'3 0' is not a valid integer value");
}

TEST(InsertEntry, ShiftsDownDropsTheTenthAndLeavesLaterLines)
{
    Lines names = Players;
    names.push_back("K");
    Lines scores = Descending;
    scores.push_back("junk");
    InsertEntry(names, scores, 1, "Zoe", 95);
    EXPECT_EQ(names, (Lines{"A", "Zoe", "B", "C", "D", "E", "F", "G", "H", "I", "K"}));
    EXPECT_EQ(scores, (Lines{"100", "95", "90", "80", "70", "60", "50", "40", "30", "20", "junk"}));
    InsertEntry(names, scores, -1, "Nobody", 1);
    EXPECT_EQ(names[1], "Zoe");
}

TEST(InsertEntry, ShortNamesArePaddedToStayBesideTheirScores)
{
    Lines names{"A", "B", "C", "D", "E", "F", "G"};
    Lines scores = Descending;
    InsertEntry(names, scores, 3, "New", 75);
    EXPECT_EQ(names, (Lines{"A", "B", "C", "New", "D", "E", "F", "G", "", ""}));
    EXPECT_EQ(scores[3], "75");
}

TEST(InsertEntry, ShortScoresTouchNeitherList)
{
    Lines names = Players;
    Lines scores(5, "1");
    EXPECT_EQ(ErrorOf([&] { InsertEntry(names, scores, 2, "X", 9); }), "List index out of bounds (9)");
    EXPECT_EQ(names, Players);
    EXPECT_EQ(scores, Lines(5, "1"));
}

TEST(HighScoreTable, LoadStopsAtTheFirstMissingFile)
{
    TempFolder folder;
    WriteBytes("H2.dat", "10\r\n");
    HighScoreTable table;
    EXPECT_EQ(ErrorOf([&] { table.Load(); }), "Cannot open file H.dat");
    EXPECT_TRUE(table.Names.empty() && table.Scores.empty());
    fs::rename("H2.dat", "H.dat");
    EXPECT_EQ(ErrorOf([&] { table.Load(); }), "Cannot open file H2.dat");
    EXPECT_EQ(table.Names, Lines{"10"});
    EXPECT_TRUE(table.Scores.empty());
}

TEST(HighScoreTable, FailedNamesSaveLeavesScoresFileUnwritten)
{
    TempFolder folder;
    WriteBytes("H.dat", "Ann\r\n");
    WriteBytes("H2.dat", "10\r\n");
    fs::permissions("H.dat", fs::perms(0444));
    const HighScoreTable table{{"Bob"}, {"20"}};
    EXPECT_EQ(ErrorOf([&] { table.Save(); }), "Cannot create file H.dat");
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
    InsertEntry(table.Names, table.Scores, FindPlace(table.Scores, 11), "Zed", 11);
    table.Save();
    EXPECT_EQ(ReadBytes("H.dat"), "A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\nI\r\nZed\r\nK\r\nL\r\n");
    EXPECT_EQ(ReadBytes("H2.dat"),
              "100\r\n90\r\n80\r\n70\r\n60\r\n50\r\n40\r\n30\r\n20\r\n11\r\nextra\r\n-3\r\n");
}

} // namespace
} // namespace tumbaro
