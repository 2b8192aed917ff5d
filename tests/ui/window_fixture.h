#pragma once
// The real main window and name dialog, shown offscreen in a scratch working
// folder, with helpers to put a chosen board on it and click like a player.

#include "board_strings.h"
#include "scores/name_dialog.h"
#include "ui/main_window.h"
#include "ui/picture_control.h"
#include "ui/pictures/picture_list.h"
#include "ui/window_layout.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <QTextEdit>
#include <QWindow>

#include <memory>

namespace tumbaro::test {

// 7 at (4,5) and 6 at (4,6): swapping them makes 6 6 6 in row 4, for 15 points.
inline const Matrix OneMove = Overlay({"--------", "--------", "--------", "--6676--",
                                       "--------", "--------", "--------", "--------"});

class WindowTest : public ::testing::Test {
protected:
    void Start()
    {
        window = std::make_unique<TTumbaro>(folder.SettingsFile());
        window->show();
        dialog = std::make_unique<THScore>(window->GameLogic().State().PlayerName, window.get());
        window->SetNameDialog(dialog.get());
        ASSERT_TRUE(WaitUntil([&] { return window->Activated(); }));
        // The start seeded from the clock; the tests want the same refills every run.
        window->GameLogic().Random().Seed(1);
    }

    void TearDown() override
    {
        dialog.reset();
        window.reset();
    }
    // A new run of the game in the same folder, reading what the last one stored.
    void Restart()
    {
        TearDown();
        Start();
    }

    GameState& State() { return window->GameLogic().State(); }
    template <class T = PictureControl>
    T* Find(const QString& name) const { return window->findChild<T*>(name); }
    PictureControl* Cell(int row, int column) const { return Find(QStringLiteral("Ball%1%2").arg(row).arg(column)); }
    const PictureList* List(const QString& name) const { return Find<PictureList>(name); }
    QString ScoreText() const { return Find<QTextEdit>(QStringLiteral("Memo1"))->toPlainText(); }

    void SetBoard(const Matrix& board)
    {
        State().GameBoard = board;
        window->Redrow();
    }

    // A press and release at a point of the window, routed to whatever lies there.
    void ClickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(window->windowHandle(), button, {}, at);
    }
    void ClickCell(int cell) { ClickAt(CellPosition(cell / 10, cell % 10) + QPoint(25, 25)); }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(window->windowHandle(), static_cast<Qt::Key>(key), mods);
    }
    // Plays OneMove's swap by clicks and runs its ticks without the timers' waits.
    void PlayOneMove()
    {
        SetBoard(OneMove);
        ClickCell(45);
        ClickCell(46);
        while (window->GameLogic().Tick()) {
        }
    }
    void ClickControl(const QString& name, Qt::MouseButton button = Qt::LeftButton)
    {
        ClickAt(Find<QWidget>(name)->geometry().center(), button);
    }

    // Every cell shows its GameBoard ball at normal size in the scheme drawn.
    ::testing::AssertionResult BoardShown(int scheme)
    {
        const PictureList* big = List(QStringLiteral("Sxema%1Big").arg(scheme));
        for (int i = 0; i < CellCount; ++i)
            if (Cell(i / 8 + 1, i % 8 + 1)->Picture() != big->Picture(State().GameBoard[i]))
                return ::testing::AssertionFailure() << "cell " << i << " differs from colour " << State().GameBoard[i];
        return ::testing::AssertionSuccess();
    }

    // A settled board with no move left and `score` on it: the next settle
    // tick ends the game.
    void EndGameWith(std::int32_t score)
    {
        const Matrix stuck = Overlay({"--------", "--------", "--------", "--------",
                                      "--------", "--------", "--------", "--------"});
        SetBoard(stuck);
        State().WorkBoard = stuck;
        State().AnimStep = 0;
        State().Score = score;
        window->ShowScore(score);
        window->GameLogic().Chenge();
    }

    bool Idle()
    {
        return !Find<QTimer>(QStringLiteral("Timer1"))->isActive() && !Find<QTimer>(QStringLiteral("Timer2"))->isActive();
    }

    WorkFolder folder;
    std::unique_ptr<TTumbaro> window;
    std::unique_ptr<THScore> dialog;
};

} // namespace tumbaro::test
