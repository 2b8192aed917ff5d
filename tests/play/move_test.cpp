// A move played out tick by tick: the swap's four ticks, the lines going,
// the fall, a cascade, the report, and undo taking it all back.

#include "game_fixture.h"

namespace tumbaro::test {
namespace {

using Log = std::vector<std::string>;
using Move = GameTest;

// The swap at (4,5)-(4,6) makes 6 6 6 in row 4; the fall then brings the 5s
// of rows 2 and 3 onto the 5 in row 5, a line of three down column 3.
const Matrix Cascading = Overlay({"--------", "--5-----", "--5-----", "--6676--",
                                  "--5-----", "--------", "--------", "--------"});

TEST_F(Move, ASwapWithACascadeIsDrawnCellByCellTickByTick)
{
    SetBoard(Cascading);
    RandomGenerator predicted = game.Random();
    std::string r[6]; // the new balls, in the order they are dealt
    for (std::string& colour : r)
        colour = std::to_string(predicted.RandomColour());

    Click(45);
    EXPECT_EQ(screen.Take(), Log{"45:7s"});
    Click(46);
    EXPECT_EQ(screen.Take(), (Log{"45:7", "undo on", "tick on"}));
    const std::vector<Log> ticks = {
        {"45:7s", "46:6s"}, {"45:6s", "46:7s"}, {"45:6", "46:7", "sound"}, {"score 15"},
        {"43:-", "44:-", "45:-"},
        // Each column drops one row, bottom up, right to left; new balls on top.
        {"45:2", "35:-", "44:3", "34:-", "43:5", "33:-", "35:5", "25:-", "34:0", "24:-", "33:5", "23:-",
         "25:2", "15:-", "24:3", "14:-", "23:4", "13:-", "15:" + r[0], "14:" + r[1], "13:" + r[2]},
        // The cascade replays the swap on the same two cells, then goes.
        {"45:2s", "46:7s"}, {"45:2s", "46:7s"}, {"45:2", "46:7", "sound"}, {"score 30"},
        {"33:-", "43:-", "53:-"},
        // Three gaps in one column close one row per tick.
        {"33:4", "23:-", "23:" + r[2], "13:-", "13:" + r[3]},
        {"43:4", "33:-", "33:" + r[2], "23:-", "23:" + r[3], "13:-", "13:" + r[4]},
        {"53:4", "43:-", "43:" + r[2], "33:-", "33:" + r[3], "23:-", "23:" + r[4], "13:-", "13:" + r[5], "tick off",
         "settled 30", "keep"},
    };
    for (std::size_t k = 0; k < ticks.size(); ++k) {
        ASSERT_TRUE(game.Tick()) << "tick " << k;
        EXPECT_EQ(screen.Take(), ticks[k]) << "tick " << k;
    }
    ASSERT_FALSE(game.Tick()) << "the seed's new balls must make no further line";
    EXPECT_EQ(game.State().Score, 30);
    EXPECT_TRUE(screen.ShowsNormal(game.State().GameBoard));
    ASSERT_EQ(screen.settled.size(), 1u);
    const auto& lines = screen.settled[0];
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].Colour == 6 && lines[0].Cascade == 0 && lines[1].Colour == 5 && lines[1].Cascade == 1);

    // Undo takes back the whole move, cascade included, and only once.
    game.Undo();
    EXPECT_EQ(game.State().GameBoard, Cascading);
    EXPECT_EQ(screen.scoreText, "0");
    EXPECT_FALSE(screen.undoEnabled);
    EXPECT_TRUE(screen.ShowsNormal(Cascading));
    EXPECT_EQ(screen.Take().back(), "keep");
    game.Undo();
    EXPECT_EQ(screen.Take(), Log{}) << "nothing left to undo";
    game.Newgame();
    screen.Take();
    game.Undo();
    EXPECT_EQ(screen.Take(), Log{}) << "nothing to undo after a deal";
}

// The longest line goes first: here a row of four takes the ball it shares
// with a column of three, which is then too short to go.
const Matrix FourAndThree = Overlay({"--------", "--------", "----6---", "--6676--",
                                     "----6---", "----6---", "--------", "--------"});

TEST_F(Move, EachMoveReportsItsLinesLongestFirstOrTheRefusal)
{
    const struct {
        const Matrix& board;
        int first, second;
        std::vector<int> lengths; // empty: refused
        Refusal why = Refusal::NoLine;
    } cases[] = {
        {OneMove, 45, 46, {3}},
        {FourAndThree, 35, 45, {4}},
        {OneMove, 45, 47, {}, Refusal::NotNeighbours},
        {OneMove, 45, 45, {}, Refusal::NotNeighbours},
        {OneMove, 18, 21, {}, Refusal::NotNeighbours},
        {OneMove, 45, 55, {}, Refusal::NoLine},
        {OneMove, 88, 78, {}, Refusal::NoLine},
    };
    for (const auto& c : cases) {
        SetBoard(c.board, 40);
        screen.refused.clear();
        screen.settled.clear();
        Click(c.first);
        Click(c.second);
        Settle();
        if (c.lengths.empty()) {
            EXPECT_EQ(screen.refused, std::vector<Refusal>{c.why}) << c.first << "-" << c.second;
            EXPECT_EQ(game.State().GameBoard, c.board);
            EXPECT_TRUE(screen.ShowsNormal(c.board)) << "the pick is drawn back at full size";
            EXPECT_FALSE(game.PendingPick());
            continue;
        }
        ASSERT_EQ(screen.settled.size(), 1u) << c.first << "-" << c.second;
        EXPECT_EQ(screen.settled[0][0].Length, c.lengths[0]) << c.first << "-" << c.second;
        EXPECT_EQ(game.State().UndoBoard, c.board);
        EXPECT_EQ(game.State().UndoScore, 40);
    }
    // A refused pair keeps the last move undoable.
    SetBoard(OneMove);
    Click(45);
    Click(46);
    Settle();
    Click(81);
    Click(82);
    EXPECT_TRUE(screen.undoEnabled);
    EXPECT_EQ(game.State().UndoBoard, OneMove);
}

TEST_F(Move, UndoOrANewGameDuringAFallStopsIt)
{
    for (const bool undo : {true, false}) {
        SetBoard(OneMove, 40);
        Click(45);
        Click(46);
        for (int i = 0; i < 5; ++i)
            game.Tick();
        ASSERT_TRUE(game.Animating());
        Click(11); // ignored: the move is still playing out
        undo ? game.Undo() : game.Newgame();
        EXPECT_FALSE(game.Animating() || screen.ticking);
        const Matrix expected = undo ? OneMove : game.State().GameBoard;
        EXPECT_EQ(screen.scoreText, undo ? "40" : "0");
        EXPECT_FALSE(screen.undoEnabled);
        EXPECT_TRUE(screen.ShowsNormal(expected));
        EXPECT_FALSE(FindLine(expected));
    }
}

} // namespace
} // namespace tumbaro::test
