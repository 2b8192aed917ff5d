#include "game_fixture.h"

namespace tumbaro::test {
namespace {

using Selection = GameTest;

TEST_F(Selection, OnlySideBySidePairsReachTheSwapTest)
{
    struct Case {
        int first, second;
        bool sideBySide;
    };
    const Case cases[] = {
        {45, 46, true}, {45, 44, true}, {45, 55, true}, {45, 35, true},
        {45, 56, false}, {45, 34, false}, {45, 45, false}, {45, 47, false},
        {18, 21, false}, {81, 88, false}, {11, 12, true}, {88, 78, true},
    };
    for (const Case& c : cases) {
        // Every pair on this board is refused by the swap test (no line can
        // form), so both refusals beep; only a side-by-side pair builds WorkBoard.
        SetBoard(Overlay({"--------", "--------", "--------", "--------", "--------", "--------", "--------", "--------"}));
        game.State().WorkBoard.fill(-1);
        Click(c.first);
        Click(c.second);
        const bool reachedSwapTest = game.State().WorkBoard[0] != -1;
        EXPECT_EQ(reachedSwapTest, c.sideBySide) << c.first << "-" << c.second;
        const auto log = screen.Take();
        const auto colour = std::to_string(game.State().GameBoard[CellIndex(c.first / 10, c.first % 10)]);
        // The pick shrinks, the second click restores it, then the refusal.
        EXPECT_EQ(log.front(), "draw " + std::to_string(c.first) + " " + colour + " small");
        EXPECT_EQ(log[1], "draw " + std::to_string(c.first) + " " + colour);
        EXPECT_EQ(log.back(), "beep") << c.first << "-" << c.second;
        EXPECT_EQ(game.State().SecondPick, (Pick{c.second / 10, c.second % 10}));
        EXPECT_EQ(game.State().FirstPick, (Pick{c.first / 10, c.first % 10}));
        EXPECT_EQ(game.State().ExpectFirstPick, 1);
        EXPECT_EQ(game.State().ExpectSecondPick, 0);
    }
}

TEST_F(Selection, ARefusedSwapChangesNothingAndKeepsTheLastMoveUndoable)
{
    // 6 6 - 6 in row 2 after a swap of (2,3) and (2,4) would be a line; first
    // make an accepted move so undo is live, then a refused one.
    SetBoard(Overlay({"--------", "66-6----", "--------", "--------", "--------", "--------", "--------", "--------"}));
    Click(23);
    Click(24);
    Settle();
    ASSERT_TRUE(screen.undoEnabled);
    const GameState before = game.State();
    screen.Take();
    Click(81);
    Click(82); // filler neighbours: no line
    EXPECT_EQ(screen.Take().back(), "beep");
    EXPECT_TRUE(screen.undoEnabled);
    EXPECT_EQ(game.State().GameBoard, before.GameBoard);
    EXPECT_EQ(game.State().UndoBoard, before.UndoBoard);
    EXPECT_EQ(game.State().Score, before.Score);
    EXPECT_FALSE(screen.timer2);
}

TEST_F(Selection, ClicksDuringAnAnimationAreIgnored)
{
    SetBoard(Overlay({"--------", "66-6----", "--------", "--------", "--------", "--------", "--------", "--------"}));
    Click(23);
    Click(24);
    screen.Take();
    for (int tick = 0; screen.timer1 || screen.timer2; ++tick) {
        const GameState before = game.State();
        Click(55);
        Click(56);
        EXPECT_TRUE(screen.Take().empty()) << "tick " << tick;
        EXPECT_EQ(game.State().FirstPick, before.FirstPick);
        EXPECT_EQ(game.State().WorkBoard, before.WorkBoard);
        EXPECT_EQ(game.State().ExpectFirstPick, before.ExpectFirstPick);
        if (screen.timer2)
            game.Timer2Timer();
        else
            game.Timer1Timer();
        screen.Take();
    }
    EXPECT_TRUE(screen.ShowsNormal(game.State().GameBoard));
}

TEST_F(Selection, NoClickCountsBeforeTheFirstGame)
{
    RecordingScreen fresh;
    Game idle(fresh);
    idle.ButtonClick(4, 5);
    idle.ButtonClick(4, 6);
    EXPECT_TRUE(fresh.log.empty());
}

} // namespace
} // namespace tumbaro::test
