#pragma once
// A game with a recording painter and listener and a board chosen by the
// test. Every drawn cell, score, undo state and report goes into one log in
// the order it happened, so a move can be checked step by step without a
// window.

#include "board_strings.h"
#include "engine/board.h"
#include "play/game.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tumbaro::test {

// Logs "45:7" for a ball drawn normal, "45:7s" small, "45:-" a cell cleared.
class Recorder final : public Painter, public GameEvents, public GameKeeper {
public:
    void DrawCell(int row, int column, std::int32_t colour, CellSize size) override
    {
        log.push_back(std::to_string(row * 10 + column) + ":" + (colour == EmptyCell ? "-" : std::to_string(colour))
                      + (size == CellSize::Small ? "s" : ""));
        cells[CellIndex(row, column)] = {colour, size};
    }
    void ClearCell(int row, int column) override
    {
        log.push_back(std::to_string(row * 10 + column) + ":-");
        cells[CellIndex(row, column)] = {EmptyCell, CellSize::Normal};
    }
    void ShowScore(std::int32_t score) override { log.push_back("score " + (scoreText = std::to_string(score))); }
    void SetUndoEnabled(bool enabled) override { log.push_back((undoEnabled = enabled) ? "undo on" : "undo off"); }

    void AnimationRunning(bool on) override { log.push_back((ticking = on) ? "tick on" : "tick off"); }
    void SwapLanded() override { log.push_back("sound"); }
    void MoveRefused(Refusal why) override { refused.push_back(why); }
    void MoveSettled(const std::vector<RemovedLine>& lines, std::int32_t score) override
    {
        log.push_back("settled " + std::to_string(score));
        settled.push_back(lines);
    }
    void GameEnded(std::int32_t score) override
    {
        log.push_back("ended " + std::to_string(score));
        ++endOfGameCalls;
    }
    void Redealt(std::int32_t score) override { log.push_back("redealt " + std::to_string(score)); }

    void Keep(const SavedGame& game) override { log.push_back("keep"), kept = game; }
    void Drop() override { log.push_back("drop"); }

    // The log since the last Take().
    std::vector<std::string> Take() { return std::exchange(log, {}); }

    bool ShowsNormal(const Matrix& board) const
    {
        for (int i = 0; i < CellCount; ++i)
            if (cells[i].first != board[i] || cells[i].second != CellSize::Normal)
                return false;
        return true;
    }

    std::array<std::pair<std::int32_t, CellSize>, CellCount> cells{};
    std::vector<std::string> log;
    std::string scoreText;
    bool undoEnabled = false, ticking = false;
    int endOfGameCalls = 0;
    std::vector<Refusal> refused;
    std::vector<std::vector<RemovedLine>> settled;
    SavedGame kept;
};

// 7 at (4,5) and 6 at (4,6): the exchange makes 6 6 6 in row 4, columns 3-5.
inline const Matrix OneMove = Overlay({"--------", "--------", "--------", "--6676--",
                                       "--------", "--------", "--------", "--------"});

// Swapping (1,5) and (1,6) makes 6 6 6 in the top row; from the generator's
// state 1, the three new balls leave no move.
inline const SavedGame Stuck{Overlay({"--6676--", "--------", "--------", "--------", "--------", "--------",
                                      "--------", "--------"}), 100, false, {}, 0, 1};

// Plays the first move there is and lets it settle, or stops it after
// `ticks` of them; false when no move is left or the board never settles.
inline bool PlayFirstMove(Game& on, int ticks = 1000)
{
    const auto pair = FirstMove(on.State().GameBoard);
    if (!pair)
        return false;
    on.ButtonClick(pair->First / 8 + 1, pair->First % 8 + 1);
    on.ButtonClick(pair->Second / 8 + 1, pair->Second % 8 + 1);
    for (int tick = 1; on.Tick(); ++tick)
        if (tick == ticks)
            return ticks < 1000 || (ADD_FAILURE() << "the move never settles; " << TextOf(on.State().WorkBoard), false);
    return true;
}

class GameTest : public ::testing::Test {
protected:
    GameTest() : game(screen, screen)
    {
        game.Seed(12345);
        game.Newgame();
        game.KeepIn(&screen);
        screen.Take();
    }

    // Put a settled board on the table, as a kept game comes back, in the
    // way and with the clock of the game on the table.
    void SetBoard(const Matrix& board, std::int32_t score = 0)
    {
        game.Resume({board, score, false, {}, 0, game.Random().State(), game.CurrentWay(), game.TimeLeft()});
        screen.Take();
    }

    void Click(int cell) { game.ButtonClick(cell / 10, cell % 10); }

    // Ticks until the move has played out; returns the ticks. A board that
    // never settles fails here, showing where it got to.
    int Settle()
    {
        int ticks = 0;
        for (; game.Animating(); game.Tick()) {
            EXPECT_TRUE(screen.ticking) << "the window's timer would not tick it";
            if (++ticks > 1000) {
                ADD_FAILURE() << "the move never settles; work board " << TextOf(game.State().WorkBoard);
                break;
            }
        }
        EXPECT_FALSE(screen.ticking);
        return ticks;
    }

    Recorder screen;
    Game game;
};

} // namespace tumbaro::test
