#include "ui/window/end_of_game.h"

#include "engine/game_error.h"
#include "scores/high_score_table.h"
#include "scores/name_dialog.h"
#include "ui/accessibility/spoken_words.h"
#include "ui/errors/error_display.h"
#include "ui/table/high_score_model.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <exception>
#include <utility>

namespace tumbaro {

namespace {
constexpr int NameWaitInterval = 1000; // ms, the wait after the name dialog closes
} // namespace

EndOfGame::EndOfGame(QWidget* window, HighScoreModel& table, Answers answers)
    : QObject(window), window_(window), table_(table), answers_(std::move(answers)), Timer3(new QTimer(this))
{
    setObjectName(QStringLiteral("EndOfGame"));
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(NameWaitInterval);
    connect(Timer3, &QTimer::timeout, this, &EndOfGame::Timer3Timer);
}

THScore* EndOfGame::NameDialog()
{
    if (!HScore) {
        HScore = new THScore(PlayerName, window_);
        HScore->setPalette(window_->palette());
    }
    return HScore;
}

void EndOfGame::GameEnded(std::int32_t score)
{
    pendingScore_ = score;
    // The place is judged on the table as it stands now, which another window
    // in this folder may have changed; a table that can't be read is judged
    // as it was shown, and its entry will say what is wrong.
    HighScoreTable now = table_.Table();
    try {
        now = ReadTable({}, files_);
        table_.SetTable(now);
    } catch (const GameError&) {
    }
    endPlace_ = FindPlace(now.Scores, pendingScore_) + 1;
    if (endPlace_ == 0) {
        AskPlayAgain();
        return;
    }
    entry_ = PendingEntry::NameOpen;
    // A screen reader reads the box by its purpose, with the score and the
    // place it earned; its caption stays as it is.
    THScore* dialog = NameDialog();
    dialog->setAccessibleName(spoken::NameBoxTitle());
    dialog->setAccessibleDescription(spoken::GameEnd(pendingScore_, endPlace_));
    dialog->exec();
    if (entry_ != PendingEntry::NameOpen)
        return; // made while the dialog was open, on the way out of the program
    entry_ = PendingEntry::Waiting;
    Timer3->start();
}

void EndOfGame::Timer3Timer()
{
    // The entry waits for the dialog to be gone from the screen.
    if (HScore && HScore->isVisible())
        return;
    Timer3->stop();
    // A table that can't be locked takes no entry, and says so; the game goes on.
    try {
        if (!CompletePendingEntry())
            return;
    } catch (const TableLockError& error) {
        ShowError(QString::fromUtf8(error.what()));
    }
    AskPlayAgain();
}

void EndOfGame::AskPlayAgain()
{
    //: The leading blanks centre the title; keep them.
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("GameOver", "       Game Over!!!"),
                    QCoreApplication::translate("GameOver", "Do you want to play again?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_);
    // Read by a screen reader as the end of the game, score included; the
    // title on screen stays as it is.
    box.setAccessibleName(spoken::GameOverTitle());
    box.setAccessibleDescription(spoken::GameEnd(pendingScore_, endPlace_));
    if (box.exec() == QMessageBox::Yes)
        answers_.playAgain();
    else
        answers_.quit();
}

bool EndOfGame::CompletePendingEntry(bool show)
{
    if (entry_ == PendingEntry::None)
        return false;
    if (entry_ == PendingEntry::NameOpen)
        HScore->TakeTypedName();
    entry_ = PendingEntry::None;
    Timer3->stop();
    EnteredScore entered;
    try {
        entered = EnterScore({}, PlayerName, pendingScore_, files_);
    } catch (const GameError&) {
        // Nothing was written; the entry still shows until the next start.
        if (show) {
            HighScoreTable table = table_.Table();
            if (const int place = FindPlace(table.Scores, pendingScore_); place != -1)
                InsertEntry(table.Names, table.Scores, place, PlayerName, pendingScore_);
            table_.SetTable(table);
        }
        throw;
    }
    // The table as written, or as it is when others filled it meanwhile.
    if (show)
        table_.SetTable(entered.table);
    return true;
}

void EndOfGame::CompletePendingEntryOrLog(bool show) noexcept
{
    // Nobody may be there to answer an error box on the way out: the error
    // goes to the log.
    try {
        CompletePendingEntry(show);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tumbaro: the high score could not be entered: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "tumbaro: the high score could not be entered\n");
    }
}

} // namespace tumbaro
