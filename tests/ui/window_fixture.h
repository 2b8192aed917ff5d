#pragma once
// The real main window and name dialog, shown offscreen in a scratch working
// folder holding the game's run-time files, with helpers to put a chosen
// board on it, click and type like a player, and answer its questions.

#include "game_fixture.h"
#include "scores/name_dialog.h"
#include "ui/board/board_view.h"
#include "ui/controls/list_box.h"
#include "ui/window/end_of_game.h"
#include "ui/window/main_window.h"
#include "ui/controls/picture_control.h"
#include "ui/pictures/picture_list.h"
#include "ui/layout/window_layout.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

namespace tumbaro::test {

// Runs the event loop until `done` holds or `ms` pass; returns done().
inline bool WaitUntil(const std::function<bool()>& done, int ms = 10000) { return QTest::qWaitFor(done, ms); }

// A temporary folder made the current one, with the game's run-time files
// copied in; the settings store lives in it too.
class WorkFolder {
public:
    WorkFolder()
    {
        QDir(dir_.path()).mkpath(QStringLiteral("Help"));
        for (const char* file : {"b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV", "H.dat", "H2.dat", "Help/Vendrask.html"})
            if (!QFile::copy(QStringLiteral(TUMBARO_SOURCE_DIR "/assets/runtime/") + file, Path(file)))
                throw std::runtime_error(std::string("cannot copy ") + file);
        QDir::setCurrent(dir_.path());
    }
    ~WorkFolder() { QDir::setCurrent(previous_); }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    std::filesystem::path SettingsFile() const { return Path(QStringLiteral("settings/registry")).toStdString(); }
    QByteArray Read(const QString& name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QString previous_ = QDir::currentPath();
};

// Answers every modal window that opens while it lives: message boxes with
// `answer`, a dialog that asks for a text (a name, a deal) by typing `name`
// (unless it is empty) and Return.
class ModalWatcher : public QObject {
public:
    ModalWatcher()
    {
        connect(&timer_, &QTimer::timeout, this, &ModalWatcher::Look);
        timer_.start(5);
    }
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QString name;
    QStringList boxes; // the texts of the message boxes seen

private:
    void Look()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxes.append(box->text());
            (box->button(answer) ? box->button(answer) : box->buttons().value(0))->click();
        } else if (auto* edit = modal ? modal->findChild<QLineEdit*>() : nullptr) {
            if (!name.isEmpty()) {
                edit->clear();
                QTest::keyClicks(edit, name);
            }
            QTest::keyClick(edit, Qt::Key_Return);
            if (modal->isVisible()) {
                ADD_FAILURE() << "Return left " << modal->objectName().toStdString() << " open";
                modal->hide();
            }
        }
    }
    QTimer timer_;
};

class WindowTest : public ::testing::Test {
protected:
    void Start()
    {
        window = std::make_unique<TTumbaro>(folder.SettingsFile());
        window->show();
        ASSERT_TRUE(WaitUntil([&] { return window->Activated(); }));
        // The start seeded from the clock; the tests want the same refills every run.
        window->GameLogic().Seed(1);
    }
    void TearDown() override { window.reset(); }
    // A new run of the game in the same folder, reading what the last one stored.
    void Restart() { TearDown(); Start(); }

    const GameState& State() { return window->GameLogic().State(); }
    int Scheme() { return window->Board().Scheme(); }
    template <class T = PictureControl>
    T* Find(const QString& name) const { return window->findChild<T*>(name); }
    PictureControl* Cell(int row, int column) const { return Find(QStringLiteral("Ball%1%2").arg(row).arg(column)); }
    const PictureList* List(const QString& name) const { return Find<PictureList>(name); }

    // Put a settled board on the table, as a kept game comes back, in the
    // way and with the clock of the game on the table.
    void SetBoard(const Matrix& board)
    {
        Game& game = window->GameLogic();
        game.Resume({board, 0, false, {}, 0, game.Random().State(), game.CurrentWay(), game.TimeLeft()});
    }
    // Ends the game with `score` by Stuck's last move, played out.
    void EndGame(std::int32_t score)
    {
        SavedGame last = Stuck;
        last.Score = score - 15;
        window->GameLogic().Resume(last);
        ClickCell(15);
        ClickCell(16);
        Settle();
    }
    // Runs the move under way to its end without the timers' waits.
    void Settle() { while (window->GameLogic().Tick()) {} }

    // Clicks at a point of the window, routed to whatever lies there.
    void ClickCell(int cell) { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, CellPosition(cell / 10, cell % 10) + QPoint(25, 25)); }
    void ClickControl(const QString& name) { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, Find<QWidget>(name)->geometry().center()); }
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
        Settle();
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

    bool Animating() { return window->GameLogic().Animating(); }

    WorkFolder folder;
    std::unique_ptr<TTumbaro> window;
};

} // namespace tumbaro::test
