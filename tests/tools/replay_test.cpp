#include "tools/replay/replay.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tumbaro {
namespace {

TEST(ReplayArgs, RejectsEveryBadArgumentNamingIt)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "SEED"}, {{"-1"}, "'-1'"}, {{"9223372036854775808"}, "'9223372036854775808'"}, {{"1", "45-49"}, "'45-49'"},
        {{"1", "05-06"}, "'05-06'"}, {{"1", "--auto", "ten"}, "'ten'"}, {{"1", "45-46", "--auto", "3"}, "'45-46'"},
    };
    for (const auto& [args, named] : cases) {
        std::string error;
        EXPECT_FALSE(ParseReplayArgs(args, error).has_value()) << named;
        EXPECT_NE(error.find(named), std::string::npos) << error;
    }
    std::string error;
    const auto ok = ParseReplayArgs({"9223372036854775807", "--auto", "0", "--summary"}, error);
    ASSERT_TRUE(ok.has_value()) << error;
    EXPECT_EQ(ok->Seed, 9223372036854775807);
}

std::string Replay(std::vector<std::string> args)
{
    std::string error;
    const auto parsed = ParseReplayArgs(args, error);
    EXPECT_TRUE(parsed.has_value()) << error;
    std::ostringstream out;
    RunReplay(*parsed, out);
    return out.str();
}

TEST(Replay, PrintsDealsMovesAndSettledBoards)
{
    // Seed 1 deals this board; 16-26 makes 3 3 3 in row 2, 11-88 is no pair,
    // 11-12 swaps 5 and 4 without a line.
    const std::string out = Replay({"1", "16-26", "11-88", "11-12"});
    EXPECT_EQ(out,
              "deal\n54200346\n65140433\n56215705\n70077505\n57174230\n13530535\n64036615\n01405713\n"
              "accepted 16-26 score 15 lines 1 cascades 0\n"
              "54200102\n65140446\n56215705\n70077505\n57174230\n13530535\n64036615\n01405713\n"
              "refused 11-88\nrefused 11-12\n");
}

TEST(Replay, SummaryCountsMovesGamesAndPoints)
{
    const std::string full = Replay({"7", "--auto", "300"});
    const std::string summary = Replay({"7", "--auto", "300", "--summary"});
    std::istringstream lines(full);
    std::string line;
    long moves = 0, games = 0, points = 0, running = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("accepted", 0) == 0) {
            ++moves;
            running = std::stol(line.substr(line.find("score ") + 6));
        } else if (line.rfind("game over score ", 0) == 0) {
            ++games;
            points += std::stol(line.substr(16));
            running = 0;
        } else if (line == "no move") {
            running = 0;
        }
    }
    EXPECT_EQ(moves, 300);
    EXPECT_GT(games, 0);
    EXPECT_EQ(summary, "summary moves 300 games " + std::to_string(games) + " points "
                           + std::to_string(points + running) + "\n");
}

} // namespace
} // namespace tumbaro
