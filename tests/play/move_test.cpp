#include "game_fixture.h"

#include "engine/board.h"

namespace tumbaro::test {
namespace {

using Move = GameTest;
using Log = std::vector<std::string>;

std::string Draw(int cell, std::int32_t colour, bool small = false)
{
    return "draw " + std::to_string(cell) + " " + std::to_string(colour) + (small ? " small" : "");
}

TEST_F(Move, AnAcceptedSwapPlaysTickByTick)
{
    const Matrix board = OneMove;
    SetBoard(board);
    game.State().Score = 40;
    RandomGenerator predicted = game.Random();

    Click(45);
    EXPECT_EQ(screen.Take(), Log{Draw(45, 7, true)});
    Click(46);
    EXPECT_EQ(screen.Take(), (Log{Draw(45, 7), "undo on", "timer2 on"}));
    EXPECT_EQ(game.State().UndoBoard, board);
    EXPECT_EQ(game.State().UndoScore, 40);
    EXPECT_EQ(game.State().GameBoard, board) << "the swap reaches GameBoard on the fourth tick";

    game.Timer2Timer();
    EXPECT_EQ(screen.Take(), (Log{Draw(45, 7, true), Draw(46, 6, true)}));
    game.Timer2Timer();
    EXPECT_EQ(screen.Take(), (Log{Draw(45, 6, true), Draw(46, 7, true)}));
    game.Timer2Timer();
    EXPECT_EQ(screen.Take(), (Log{Draw(45, 6), Draw(46, 7), "sound"}));
    game.Timer2Timer();
    EXPECT_EQ(screen.Take(), (Log{"timer2 off", "score 55", "timer1 on"}));
    EXPECT_EQ(game.State().AnimStep, 0);
    EXPECT_EQ(game.State().GameBoard[CellIndex(4, 5)], 6);
    EXPECT_EQ(game.State().GameBoard[CellIndex(4, 6)], 7);

    game.Timer1Timer(); // removal
    EXPECT_EQ(screen.Take(), (Log{"clear 43", "clear 44", "clear 45"}));
    EXPECT_TRUE(screen.timer1);

    game.Timer1Timer(); // one fall pass fills a horizontal gap and settles
    Log expected;
    Matrix settled = board;
    settled[CellIndex(4, 6)] = 7;
    for (int row = 4; row >= 2; --row)
        for (int column = 5; column >= 3; --column) {
            expected.push_back(Draw(row * 10 + column, board[CellIndex(row - 1, column)]));
            expected.push_back("clear " + std::to_string((row - 1) * 10 + column));
            settled[CellIndex(row, column)] = board[CellIndex(row - 1, column)];
        }
    for (int column = 5; column >= 3; --column) {
        const auto colour = predicted.RandomColour(); // new balls: right to left
        expected.push_back(Draw(10 + column, colour));
        settled[CellIndex(1, column)] = colour;
    }
    expected.push_back("timer1 off");
    // The fixture's seed refills without a new line, so the move ends here.
    ASSERT_FALSE(FindLine(settled)) << "choose a seed whose refill makes no line";
    EXPECT_EQ(screen.Take(), expected);
    EXPECT_EQ(game.State().GameBoard, settled);
    EXPECT_TRUE(screen.ShowsNormal(settled));
    EXPECT_EQ(game.State().AnimStep, 1);
    EXPECT_FALSE(screen.timer1 || screen.timer2);
}

TEST_F(Move, SeparateGapsInOneColumnCloseOnePerPass)
{
    // Column 1 reads 1 2 . 3 . from the top: each pass moves every ball above
    // a gap down one row and drops a new ball in at the top.
    GameState& s = game.State();
    s.WorkBoard = Overlay({"1-------", "2-------", ".-------", "3-------", ".-------", "--------", "--------", "--------"});
    s.AnimStep = 1;
    RandomGenerator predicted = game.Random();
    const auto column = [&] {
        std::vector<std::int32_t> top;
        for (int row = 1; row <= 5; ++row)
            top.push_back(s.WorkBoard[CellIndex(row, 1)]);
        return top;
    };
    game.Timer1Timer();
    const std::int32_t first = predicted.RandomColour();
    EXPECT_EQ(column(), (std::vector<std::int32_t>{first, 1, 2, EmptyCell, 3}));
    game.Timer1Timer();
    EXPECT_EQ(column(), (std::vector<std::int32_t>{predicted.RandomColour(), first, 1, 2, 3}));
}

TEST_F(Move, UndoOrANewGameDuringAFallStopsIt)
{
    for (const bool undo : {true, false}) {
        SetBoard(OneMove);
        game.State().Score = 40;
        Click(45);
        Click(46);
        for (int i = 0; i < 5; ++i)
            screen.timer2 ? game.Timer2Timer() : game.Timer1Timer();
        ASSERT_TRUE(screen.timer1);
        Click(11); // ignored: the move is still playing out
        undo ? game.Undo() : game.Newgame();
        EXPECT_FALSE(screen.timer1 || screen.timer2);
        const Matrix expected = undo ? OneMove : game.State().GameBoard;
        EXPECT_EQ(screen.scoreText, undo ? "40" : "0");
        EXPECT_FALSE(screen.undoEnabled);
        EXPECT_TRUE(screen.ShowsNormal(expected));
        EXPECT_FALSE(FindLine(expected));
    }
}

} // namespace
} // namespace tumbaro::test
