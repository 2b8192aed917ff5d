#include "game_fixture.h"

namespace tumbaro::test {
namespace {

using Selection = GameTest;

TEST_F(Selection, OnlySideBySidePairsReachTheSwapTest)
{
    const struct {
        int first, second;
        bool sideBySide;
    } cases[] = {
        {45, 46, true}, {45, 44, true}, {45, 55, true}, {45, 35, true}, {45, 56, false},
        {45, 45, false}, {45, 47, false}, {18, 21, false}, {11, 12, true}, {88, 78, true},
    };
    for (const auto& c : cases) {
        // No swap on this board makes a line, so every pair is refused with a
        // beep; only a side-by-side pair gets as far as building WorkBoard.
        SetBoard(NoMove);
        game.State().WorkBoard.fill(-1);
        Click(c.first);
        Click(c.second);
        EXPECT_EQ(game.State().WorkBoard[0] != -1, c.sideBySide) << c.first << "-" << c.second;
        EXPECT_EQ(screen.Take().back(), "beep") << c.first << "-" << c.second;
        ASSERT_FALSE(listener.refused.empty());
        EXPECT_EQ(listener.refused.back(), c.sideBySide ? Refusal::NoLine : Refusal::NotNeighbours)
            << c.first << "-" << c.second << ": the refusal says why";
        EXPECT_TRUE(screen.ShowsNormal(game.State().GameBoard)) << "the pick is drawn back at full size";
        EXPECT_EQ(game.State().ExpectFirstPick, 1);
    }
}

TEST_F(Selection, ARefusedSwapKeepsTheLastMoveUndoable)
{
    SetBoard(OneMove);
    Click(45);
    Click(46);
    Settle();
    const GameState before = game.State();
    Click(81);
    Click(82); // filler neighbours: no line
    EXPECT_TRUE(screen.undoEnabled);
    EXPECT_EQ(game.State().UndoBoard, before.UndoBoard);
    EXPECT_EQ(game.State().Score, before.Score);
    EXPECT_EQ(listener.settled.size(), 1u) << "a refused swap reports no settled move";
}

} // namespace
} // namespace tumbaro::test
