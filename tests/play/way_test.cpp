// The ways to play as rules: what follows a board with no move left, and a
// timed game's clock, which ends the game only once the move under way has
// settled.

#include "game_fixture.h"

#include "engine/board.h"

namespace tumbaro::test {
namespace {

// Swapping (1,5) and (1,6) makes 6 6 6 in the top row: only the three new
// balls decide whether a move is left.
const Matrix TopMove = Overlay({"--6676--", "--------", "--------", "--------", "--------", "--------", "--------",
                                "--------"});

class WayTest : public GameTest {
protected:
    // Plays TopMove in `way` from the generator's state `random`; the log
    // from the settle on.
    std::vector<std::string> PlayTopMove(Way way, std::uint64_t random)
    {
        game.Newgame(way);
        game.Resume({TopMove, 100, false, {}, 0, random, way, game.TimeLeft()});
        screen.Take();
        Click(15);
        Click(16);
        Settle();
        std::vector<std::string> log = screen.Take();
        log.erase(log.begin(), std::find(log.begin(), log.end(), "settled " + std::to_string(game.State().Score)));
        return log;
    }
    // A state whose new balls leave no move, found by Classic's end.
    std::uint64_t StuckRandom()
    {
        for (std::uint64_t random = 1; random < 1000; ++random)
            if (PlayTopMove(Way::Classic, random).back().starts_with("ended"))
                return random;
        ADD_FAILURE() << "no refill left the board stuck";
        return 0;
    }
};

TEST_F(WayTest, ABoardWithNoMoveEndsOnlyAClassicGame)
{
    const std::uint64_t random = StuckRandom();
    const std::int32_t score = game.State().Score;
    for (const Way way : {Way::Timed, Way::Zen}) {
        const auto log = PlayTopMove(way, random);
        ASSERT_EQ(game.State().Score, score);
        EXPECT_EQ(log.back(), "redealt " + std::to_string(score)) << WayName(way);
        EXPECT_EQ(std::count(log.begin(), log.end(), "keep"), 1) << "the new deal is kept";
        EXPECT_EQ(std::count(log.begin(), log.end(), "undo off"), 1) << "undo can't bring the stuck board back";
        EXPECT_TRUE(FindLine2(game.State().GameBoard));
        EXPECT_TRUE(screen.ShowsNormal(game.State().GameBoard));
        EXPECT_EQ(screen.endOfGameCalls, 1) << "only Classic's end";
    }
}

TEST_F(WayTest, TheClockRunsOnlyInATimedGameAndEndsItOnceTheMoveSettles)
{
    for (const Way way : {Way::Classic, Way::Zen}) {
        game.Newgame(way);
        game.ClockTick(TimedGameLength);
        EXPECT_EQ(game.TimeLeft(), 0);
        EXPECT_FALSE(game.TimeUp());
    }
    game.Newgame(Way::Timed);
    SetBoard(OneMove, 100);
    game.ClockTick(1500);
    EXPECT_EQ(game.TimeLeft(), TimedGameLength - 1500);
    Click(45);
    Click(46);
    game.ClockTick(TimedGameLength);
    EXPECT_TRUE(game.TimeUp());
    EXPECT_EQ(screen.endOfGameCalls, 0) << "the move under way settles first";
    Settle();
    const auto log = screen.Take();
    ASSERT_GE(log.size(), 2U);
    EXPECT_EQ(log[log.size() - 2], "drop");
    EXPECT_EQ(log.back(), "ended " + std::to_string(game.State().Score));
    EXPECT_GT(game.State().Score, 100);

    // Nothing more is played once the time is up.
    Click(11);
    EXPECT_FALSE(game.PendingPick());

    // At rest, the end comes at once, and a pick left waiting goes.
    game.Newgame(Way::Timed);
    Click(11);
    game.ClockTick(TimedGameLength + 5);
    EXPECT_FALSE(game.PendingPick());
    EXPECT_EQ(screen.endOfGameCalls, 2);
    game.ClockTick(1000);
    EXPECT_EQ(screen.endOfGameCalls, 2) << "a clock run out ends the game once";
}

} // namespace
} // namespace tumbaro::test
