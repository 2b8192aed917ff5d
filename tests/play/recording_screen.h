#pragma once
// A screen that logs every call in order and keeps what each cell shows, so a
// move can be checked draw by draw without a window.

#include "engine/game_error.h"
#include "engine/game_state.h"
#include "play/screen.h"

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
    void LoadBackground() override
    {
        if (failBackground)
            throw GameError("Cannot open file b1.jpg");
    }
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
    void EndOfGame() override
    {
        ++endOfGameCalls;
        timer1OffAtEnd = !timer1;
    }

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
    bool failBackground = false;
    int endOfGameCalls = 0;
    bool timer1OffAtEnd = false;

private:
    void Log(std::string entry) { log.push_back(std::move(entry)); }
};

} // namespace tumbaro::test
