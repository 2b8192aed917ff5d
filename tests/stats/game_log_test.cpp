#include "stats/game_log.h"
#include "../scratch_files.h"

#include <gtest/gtest.h>

#include <ctime>

namespace tumbaro {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

GameRecord Game(std::int64_t score, Way way = Way::Classic)
{
    return {1796760000 + score, way, 20261208U, score, 45, 60, 4, 312, score % 2 != 0, score % 3 != 0};
}

class GameLogTest : public ::testing::Test {
protected:
    test::ScratchFolder folder_;
    fs::path log_ = folder_ / "games.log";
};

TEST(GameLogLine, EveryGameReadsBackAndNoLineCutShortReadsAsAGame)
{
    for (const GameRecord& game : {Game(0), Game(1230, Way::Zen), Game(7, Way::Timed),
                                   GameRecord{-62135596800, Way::Classic, 4294967295U, 1, 2, 3, 4, 5, true, false}}) {
        const std::string line = LogLine(game);
        EXPECT_EQ(ReadLogLine(std::string_view(line).substr(0, line.size() - 1)), game) << line;
        for (std::size_t cut = 0; cut + 1 < line.size(); ++cut)
            EXPECT_EQ(ReadLogLine(std::string_view(line).substr(0, cut)), std::nullopt) << line.substr(0, cut);
    }
    EXPECT_EQ(LogLine(Game(1230)), "2026-12-08T20:20:30Z classic 20261208 1230 45 60 4 312 no-undo replaced\n");
}

TEST_F(GameLogTest, OnlySoundLinesAreReadAndSoonFromAnyLog)
{
    const std::string a = LogLine(Game(10)), b = LogLine(Game(20)), c = LogLine(Game(30));
    std::string many;
    for (int i = 0; i < 100000; ++i)
        many += LogLine(Game(i));
    const struct {
        const char* what;
        std::string bytes;
        std::size_t games;
    } cases[] = {
        {"missing", "", 0},
        {"whole", a + b + c, 3},
        {"torn last line", a + b + c.substr(0, 30), 2},
        {"garbage among them", a + "garbage\n\n\0\0\0\n"s + b + "\xff\xfe\n", 2},
        {"a field out of range", a + "2026-13-08T16:59:51Z classic 1 2 3 4 5 6 no-undo ended\n" + b, 2},
        {"a million-character line", a + std::string(1000000, '7') + "\n" + b, 2},
        {"a hundred thousand games", many, 100000},
    };
    for (const auto& c : cases) {
        fs::remove(log_);
        if (!c.bytes.empty())
            test::WriteAll(log_, c.bytes);
        // The processor time it takes, which a busy machine cannot stretch.
        const std::clock_t start = std::clock();
        EXPECT_EQ(ReadGameLog(log_).size(), c.games) << c.what;
        EXPECT_LT(std::clock() - start, CLOCKS_PER_SEC) << c.what;
    }
}

TEST_F(GameLogTest, AnAppendIsWholeAndALogThatCannotBeWrittenIsSaidOnce)
{
    GameLog fresh(folder_ / "new" / "tumbaro" / "games.log");
    EXPECT_EQ(fresh.Record(Game(1)), std::nullopt) << "the folders are made";

    const std::string torn = LogLine(Game(10)) + LogLine(Game(20)).substr(0, 25);
    test::WriteAll(log_, torn);
    GameLog log(log_);
    EXPECT_EQ(log.Record(Game(30)), std::nullopt);
    EXPECT_EQ(log.Record(Game(40)), std::nullopt);
    EXPECT_EQ(test::ReadAll(log_), torn + "\n" + LogLine(Game(30)) + LogLine(Game(40)))
        << "the torn line spoils nothing, and a whole one is followed straight on";

    fs::remove(log_);
    fs::create_directory(log_); // a folder where the file should be
    const auto problem = log.Record(Game(1));
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->File, log_);
    EXPECT_EQ(log.Record(Game(2)), std::nullopt);
    fs::remove(log_);
    EXPECT_EQ(log.Record(Game(3)), std::nullopt);
    fs::remove(log_);
    fs::create_directory(log_);
    EXPECT_TRUE(log.Record(Game(4))) << "a new failure after a game was written is news again";
}

} // namespace
} // namespace tumbaro
