#pragma once
// A game on a recording screen with a board chosen by the test. The screen
// logs every call in order and keeps what each cell shows, so a move can be
// checked draw by draw without a window.

#include "board_strings.h"
#include "play/game.h"
#include "play/move_report.h"
#include "play/screen.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tumbaro::test {

class RecordingScreen final : public Screen {
public:
    struct Cell {
        std::int32_t Colour = EmptyCell;
        CellSize Size = CellSize::Normal;
    };

    void DrawCell(int row, int column, std::int32_t colour, CellSize size) override
    {
        Log("draw " + std::to_string(row * 10 + column) + " " + std::to_string(colour) + (size == CellSize::Small ? " small" : ""));
        cells[CellIndex(row, column)] = {colour, size};
    }
    void ClearCell(int row, int column) override
    {
        Log("clear " + std::to_string(row * 10 + column));
        cells[CellIndex(row, column)] = {};
    }
    void LoadBackground() override {}
    void ShowScore(std::int32_t score) override { Log("score " + (scoreText = std::to_string(score))); }
    void SetUndoEnabled(bool enabled) override { Log((undoEnabled = enabled) ? "undo on" : "undo off"); }
    void SetTimer(TimerId timer, bool on) override
    {
        const bool first = timer == TimerId::Timer1;
        (first ? timer1 : timer2) = on;
        Log(std::string(first ? "timer1" : "timer2") + (on ? " on" : " off"));
    }
    void PlaySwapSound() override { Log("sound"); }
    void QuestionBeep() override { Log("beep"); }
    bool AskPlayAgain() override { return Log("ask"), true; }
    void Terminate() override { Log("terminate"); }
    void EndOfGame() override { ++endOfGameCalls; timer1OffAtEnd = !timer1; }

    // The calls since the last Take().
    std::vector<std::string> Take() { return std::exchange(log, {}); }

    bool ShowsNormal(const Matrix& board) const
    {
        for (int i = 0; i < CellCount; ++i)
            if (cells[i].Colour != board[i] || cells[i].Size != CellSize::Normal)
                return false;
        return true;
    }

    std::array<Cell, CellCount> cells{};
    std::vector<std::string> log;
    std::string scoreText;
    bool undoEnabled = false, timer1 = false, timer2 = false;
    int endOfGameCalls = 0;
    bool timer1OffAtEnd = false;

private:
    void Log(std::string entry) { log.push_back(std::move(entry)); }
};

// What the game reports of each move, in order, with the screen's log length
// at the time, so a test sees whether a report came before the end of a game.
class RecordingListener final : public MoveListener {
public:
    struct Settled {
        std::vector<RemovedLine> lines;
        std::int32_t score;
    };
    void MoveSettled(const std::vector<RemovedLine>& lines, std::int32_t score) override
    {
        settled.push_back({lines, score});
    }
    void MoveRefused(Refusal why) override { refused.push_back(why); }

    std::vector<Settled> settled;
    std::vector<Refusal> refused;
};

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
        game.ReportTo(&listener);
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
    RecordingListener listener;
    Game game;
};

} // namespace tumbaro::test
