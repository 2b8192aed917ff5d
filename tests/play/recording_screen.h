#pragma once
// A screen that remembers every call in order and what each cell shows, so a
// move can be checked draw by draw without a window.

#include "engine/game_error.h"
#include "engine/game_state.h"
#include "play/screen.h"

#include <array>
#include <string>
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
        Log("draw " + Name(row, column) + " " + std::to_string(colour) + (size == CellSize::Small ? " small" : ""));
        cells[CellIndex(row, column)] = {colour, size};
    }
    void ClearCell(int row, int column) override
    {
        Log("clear " + Name(row, column));
        cells[CellIndex(row, column)] = {};
    }
    void LoadBackground() override
    {
        if (failBackground)
            throw GameError("Cannot open file b1.jpg");
        Log("background");
    }
    void ShowScore(std::int32_t score) override
    {
        scoreText = std::to_string(score);
        Log("score " + scoreText);
    }
    void SetUndoEnabled(bool enabled) override
    {
        undoEnabled = enabled;
        Log(enabled ? "undo on" : "undo off");
    }
    void SetTimer(TimerId timer, bool on) override
    {
        const bool first = timer == TimerId::Timer1;
        (first ? timer1 : timer2) = on;
        Log(std::string(first ? "timer1" : "timer2") + (on ? " on" : " off"));
    }
    void PlaySwapSound() override { Log("sound"); }
    void QuestionBeep() override { Log("beep"); }
    bool AskPlayAgain() override
    {
        Log("ask");
        return playAgain;
    }
    void Terminate() override { Log("terminate"); }
    void EndOfGame() override
    {
        ++endOfGameCalls;
        timer1OffAtEnd = !timer1;
        Log("end");
    }

    // Calls since the last Take().
    std::vector<std::string> Take()
    {
        std::vector<std::string> out;
        out.swap(log);
        return out;
    }

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
    bool undoEnabled = false;
    bool timer1 = false;
    bool timer2 = false;
    bool playAgain = true;
    bool failBackground = false;
    int endOfGameCalls = 0;
    bool timer1OffAtEnd = false;

private:
    static std::string Name(int row, int column) { return std::to_string(row * 10 + column); }
    void Log(std::string entry) { log.push_back(std::move(entry)); }
};

} // namespace tumbaro::test
