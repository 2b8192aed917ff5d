#pragma once
// A game on a recording screen with a board chosen by the test.

#include "board_strings.h"
#include "play/game.h"
#include "recording_screen.h"

#include <gtest/gtest.h>

namespace tumbaro::test {

// 7 at (4,5) and 6 at (4,6): the exchange makes 6 6 6 in row 4, columns 3-5.
inline const Matrix OneMove = Overlay({"--------", "--------", "--------", "--6676--",
                                       "--------", "--------", "--------", "--------"});

class GameTest : public ::testing::Test {
protected:
    GameTest() : game(screen)
    {
        game.State().Scheme = 1;
        game.Random().Seed(12345);
        game.Newgame();
        screen.Take();
    }

    // Put a settled board on the table, as if dealt and drawn.
    void SetBoard(const Matrix& board)
    {
        game.State().GameBoard = board;
        game.Redrow();
        screen.Take();
    }

    void Click(int cell) { game.ButtonClick(cell / 10, cell % 10); }

    // Run the timers until the board settles; returns the ticks of each.
    std::pair<int, int> Settle()
    {
        int ticks1 = 0, ticks2 = 0;
        while (screen.timer1 || screen.timer2) {
            EXPECT_FALSE(screen.timer1 && screen.timer2) << "both animations running";
            if (screen.timer2) {
                game.Timer2Timer();
                ++ticks2;
            } else {
                game.Timer1Timer();
                ++ticks1;
            }
        }
        return {ticks1, ticks2};
    }

    RecordingScreen screen;
    Game game;
};

} // namespace tumbaro::test
