#include "game_fixture.h"

#include "play/saved_game.h"

#include <algorithm>

namespace tumbaro::test {
namespace {

using WholeGame = GameTest;

TEST_F(WholeGame, EveryMoveSettlesDrawnAsTheBoardAndIsKeptAtRest)
{
    int cascadingMoves = 0, gamesEnded = 0;
    for (int move = 0; move < 400; ++move) {
        const auto pair = FirstMove(game.State().GameBoard);
        ASSERT_TRUE(pair) << "a game with no move left went on: " << TextOf(game.State().GameBoard);
        game.ButtonClick(RowOf(pair->First), ColumnOf(pair->First));
        game.ButtonClick(RowOf(pair->Second), ColumnOf(pair->Second));
        const std::int32_t scoreBefore = game.State().UndoScore;
        screen.Take();
        screen.settled.clear();
        const int ticks = Settle();
        ASSERT_FALSE(game.Animating()) << "move " << move;
        const auto log = screen.Take();
        const int cascades = game.LastMove().Cascades;
        // One report per move, once it has settled: every line in the order
        // it went, cascade by cascade, adding up to the points the move made.
        ASSERT_EQ(screen.settled.size(), 1u) << "move " << move << ": " << TextOf(game.State().GameBoard);
        std::int32_t points = 0;
        int cascade = 0;
        for (const RemovedLine& line : screen.settled[0]) {
            EXPECT_TRUE(line.Cascade == cascade || line.Cascade == cascade + 1) << "move " << move;
            cascade = line.Cascade;
            EXPECT_TRUE(line.Colour >= 0 && line.Colour < 8);
            points += line.Points;
        }
        EXPECT_EQ(points, game.State().Score - scoreBefore);
        EXPECT_EQ(cascade, cascades);
        // Each swap and each cascade replays four swap ticks and one sound,
        // and takes at least two ticks to fall.
        EXPECT_GE(ticks, 6 * (1 + cascades));
        EXPECT_EQ(std::count(log.begin(), log.end(), "sound"), 1 + cascades);
        EXPECT_EQ(screen.scoreText, std::to_string(game.State().Score));
        EXPECT_FALSE(FindLine(game.State().GameBoard));
        ASSERT_TRUE(screen.ShowsNormal(game.State().GameBoard)) << "move " << move;

        if (log.back() == "ended " + std::to_string(game.State().Score)) {
            // The kept game goes before the end is told.
            EXPECT_EQ(log[log.size() - 2], "drop");
            EXPECT_FALSE(FindLine2(game.State().GameBoard));
            ++gamesEnded;
            game.Newgame(); // the player plays again, and the new deal is kept
            EXPECT_EQ(screen.scoreText, "0");
            EXPECT_FALSE(screen.undoEnabled);
            EXPECT_TRUE(screen.ShowsNormal(game.State().GameBoard));
            EXPECT_TRUE(screen.Take().back() == "keep" && screen.kept == game.Saved() && screen.kept.Score == 0);
            continue;
        }
        // Kept once, at rest, as a text that reads back as the game.
        EXPECT_EQ(std::count(log.begin(), log.end(), "keep"), 1) << "move " << move;
        EXPECT_EQ(log.back(), "keep");
        EXPECT_TRUE(screen.kept == game.Saved() && screen.kept.UndoPossible);
        EXPECT_EQ(ReadSavedGame(SavedGameText(screen.kept)), screen.kept);
        EXPECT_TRUE(FindLine2(game.State().GameBoard));
        cascadingMoves += cascades >= 2;
    }
    EXPECT_GT(cascadingMoves, 0) << "no move with two cascades was played";
    EXPECT_GT(gamesEnded, 0) << "no game ran to its end";
}

} // namespace
} // namespace tumbaro::test
