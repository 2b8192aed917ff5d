#include "tools/replay/replay.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tumbaro {
namespace {

// The largest seed and --auto, which are taken, are the reference model test's.
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
}

TEST(Replay, PrintsDealsMovesAndSettledBoards)
{
    // Seed 1 deals this board; 16-26 makes 3 3 3 in row 2, 11-88 is no pair,
    // 11-12 swaps 5 and 4 without a line.
    std::string error;
    const auto parsed = ParseReplayArgs({"1", "16-26", "11-88", "11-12"}, error);
    ASSERT_TRUE(parsed.has_value()) << error;
    std::ostringstream out;
    RunReplay(*parsed, out);
    EXPECT_EQ(out.str(),
              "deal\n54200346\n65140433\n56215705\n70077505\n57174230\n13530535\n64036615\n01405713\n"
              "accepted 16-26 score 15 lines 1 cascades 0\n"
              "54200102\n65140446\n56215705\n70077505\n57174230\n13530535\n64036615\n01405713\n"
              "refused 11-88\nrefused 11-12\n");
}

} // namespace
} // namespace tumbaro
