// The ways to play as rules: a board with no move left ends only a Classic
// game, and a timed game's clock ends the game once the move under way has
// settled.

#include "game_fixture.h"

namespace tumbaro::test {
namespace {

using WayTest = GameTest;

TEST_F(WayTest, ABoardWithNoMoveEndsAClassicGameAndGivesTheOthersANewDeal)
{
    for (const Way way : AllWays) {
        SavedGame stuck = Stuck;
        stuck.Played = way;
        stuck.TimeLeft = HasClock(way) ? 1000 : 0;
        game.Resume(stuck);
        Click(15);
        Click(16);
        Settle();
        const auto log = screen.Take();
        const std::string score = std::to_string(game.State().Score);
        const std::vector<std::string> tail(log.end() - 2, log.end());
        EXPECT_EQ(tail, (way == Way::Classic ? std::vector<std::string>{"drop", "ended " + score}
                                             : std::vector<std::string>{"keep", "redealt " + score}))
            << WayName(way);
        EXPECT_EQ(way != Way::Classic, FindLine2(game.State().GameBoard) && !screen.undoEnabled) << WayName(way);
    }
}

TEST_F(WayTest, TheClockRunsOnlyInATimedGameAndEndsItOnceTheMoveSettles)
{
    game.Newgame(Way::Zen);
    game.ClockTick(TimedGameLength);
    EXPECT_FALSE(game.TimeUp());
    game.Newgame(Way::Timed);
    SetBoard(OneMove, 100);
    Click(45);
    Click(46);
    game.ClockTick(TimedGameLength);
    EXPECT_EQ(screen.endOfGameCalls, 0) << "the move under way settles first";
    Settle();
    EXPECT_EQ(screen.Take().back(), "ended " + std::to_string(game.State().Score));
    EXPECT_GT(game.State().Score, 100);
    Click(11);
    EXPECT_FALSE(game.PendingPick()) << "nothing more is played";

    // At rest the end comes at once, and only once.
    game.Newgame();
    game.ClockTick(TimedGameLength - 1);
    EXPECT_EQ(game.TimeLeft(), 1);
    game.ClockTick(5);
    game.ClockTick(1000);
    EXPECT_EQ(screen.endOfGameCalls, 2);
}

} // namespace
} // namespace tumbaro::test
