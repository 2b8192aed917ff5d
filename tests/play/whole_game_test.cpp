#include "game_fixture.h"

#include "engine/board.h"

#include <algorithm>
#include <utility>

namespace tumbaro::test {
namespace {

using WholeGame = GameTest;

TEST_F(WholeGame, EveryMoveSettlesDrawnAsTheBoardAndUndoTakesItAllBack)
{
    int cascadingMoves = 0, gamesEnded = 0;
    for (int move = 0; move < 400; ++move) {
        const auto pair = FirstMove(game.State().GameBoard);
        if (!pair) {
            game.Newgame();
            continue;
        }
        game.ButtonClick(pair->First / 8 + 1, pair->First % 8 + 1);
        game.ButtonClick(pair->Second / 8 + 1, pair->Second % 8 + 1);
        const Matrix before = game.State().UndoBoard;
        const std::int32_t scoreBefore = game.State().UndoScore;
        screen.Take();
        const int endsBefore = screen.endOfGameCalls;
        const auto [fallTicks, swapTicks] = Settle();
        const auto log = screen.Take();
        const int cascades = game.LastMove().Cascades;
        // One report per move, once it has settled: every line in the order
        // it went, cascade by cascade, adding up to the points the move made.
        ASSERT_EQ(listener.settled.size(), 1u) << "move " << move;
        const auto report = std::exchange(listener.settled, {}).front();
        EXPECT_EQ(report.score, game.State().Score);
        std::int32_t points = 0;
        int cascade = 0;
        for (const RemovedLine& line : report.lines) {
            EXPECT_TRUE(line.Cascade == cascade || line.Cascade == cascade + 1) << "move " << move;
            cascade = line.Cascade;
            EXPECT_EQ(line.Points, line.Length == 5 ? 50 : line.Length == 4 ? 30 : 15);
            EXPECT_TRUE(line.Colour >= 0 && line.Colour < 8);
            points += line.Points;
        }
        EXPECT_EQ(points, game.State().Score - scoreBefore);
        EXPECT_EQ(cascade, cascades);
        // Each swap and each cascade replays four swap ticks and one sound.
        EXPECT_EQ(swapTicks, 4 * (1 + cascades));
        EXPECT_EQ(std::count(log.begin(), log.end(), "sound"), 1 + cascades);
        EXPECT_GE(fallTicks, 2 * (1 + cascades));
        EXPECT_GT(game.State().Score, scoreBefore);
        EXPECT_EQ(screen.scoreText, std::to_string(game.State().Score));
        EXPECT_FALSE(FindLine(game.State().GameBoard));
        EXPECT_EQ(game.State().WorkBoard, game.State().GameBoard);
        ASSERT_TRUE(screen.ShowsNormal(game.State().GameBoard)) << "move " << move;

        if (screen.endOfGameCalls != endsBefore) {
            EXPECT_EQ(screen.endOfGameCalls, endsBefore + 1);
            EXPECT_TRUE(screen.timer1OffAtEnd);
            EXPECT_FALSE(FindLine2(game.State().GameBoard));
            ++gamesEnded;
            game.GameOver(); // the player answers Yes
            EXPECT_EQ(screen.scoreText, "0");
            EXPECT_FALSE(screen.undoEnabled);
            EXPECT_TRUE(screen.ShowsNormal(game.State().GameBoard));
            continue;
        }
        EXPECT_TRUE(FindLine2(game.State().GameBoard));
        if (cascades >= 2 && cascadingMoves++ < 3) {
            game.Undo();
            EXPECT_EQ(game.State().GameBoard, before);
            EXPECT_EQ(game.State().Score, scoreBefore);
            EXPECT_EQ(screen.scoreText, std::to_string(scoreBefore));
            EXPECT_FALSE(screen.undoEnabled);
            EXPECT_TRUE(screen.ShowsNormal(before));
        }
    }
    EXPECT_GT(cascadingMoves, 0) << "no move with two cascades was played";
    EXPECT_GT(gamesEnded, 0) << "no game ran to its end";
}

} // namespace
} // namespace tumbaro::test
