// The end of a game through the high-score table: the place check, the name
// dialog, the entry a second after it closes, both files rewritten, and then
// the question whether to play again. An entry still pending when the player
// deals anew or the program ends is made there and then.

#include "engine/game_error.h"
#include "scores/high_score_table.h"
#include "scores/name_dialog.h"
#include "ui/accessibility/game_announcements.h"
#include "ui/accessibility/spoken_words.h"
#include "ui/errors/error_display.h"
#include "ui/table/high_score_model.h"
#include "ui/window/main_window.h"

#include <QTimer>

namespace tumbaro {

void TTumbaro::LoadHighScores() { table_->Load(); }

THScore* TTumbaro::NameDialog()
{
    if (!HScore) {
        HScore = new THScore(game_.State().PlayerName, this);
        HScore->setPalette(palette());
    }
    return HScore;
}

void TTumbaro::HightScore()
{
    pendingScore_ = game_.State().Score;
    // The place is judged on the table as it stands now, which another window
    // in this folder may have changed; a table that can't be read is judged
    // as it was shown, and its entry will say what is wrong.
    HighScoreTable now = table_->Table();
    try {
        now = ReadTable();
        table_->SetTable(now);
    } catch (const GameError&) {
    }
    endPlace_ = FindPlace(now.Scores, pendingScore_) + 1;
    if (endPlace_ == 0) {
        PlayAgainOrQuit();
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
    game_.State().AnimStep = 0;
    Timer3->start();
}

void TTumbaro::Timer3Timer()
{
    GameState& state = game_.State();
    ++state.AnimStep;
    if ((!HScore || !HScore->isVisible()) && state.AnimStep != 0) {
        Timer3->stop();
        HiScore();
    }
}

void TTumbaro::HiScore()
{
    // A table that can't be locked takes no entry, and says so; the game goes on.
    try {
        if (!CompletePendingEntry())
            return;
    } catch (const TableLockError& error) {
        ShowError(QString::fromUtf8(error.what()));
    }
    PlayAgainOrQuit();
}

void TTumbaro::PlayAgainOrQuit()
{
    game_.GameOver();
    // A No or Cancel has hidden the window on its way out.
    if (isVisible())
        announcements_->NewGame();
}

bool TTumbaro::CompletePendingEntry(bool show)
{
    if (entry_ == PendingEntry::None)
        return false;
    if (entry_ == PendingEntry::NameOpen)
        HScore->TakeTypedName();
    entry_ = PendingEntry::None;
    Timer3->stop();
    const std::string& name = game_.State().PlayerName;
    EnteredScore entered;
    try {
        entered = EnterScore({}, name, pendingScore_);
    } catch (const GameError&) {
        // Nothing was written; the entry still shows until the next start.
        if (show) {
            HighScoreTable table = table_->Table();
            if (const int place = FindPlace(table.Scores, pendingScore_); place != -1)
                InsertEntry(table.Names, table.Scores, place, name, pendingScore_);
            table_->SetTable(table);
        }
        throw;
    }
    // The table as written, or as it is when others filled it meanwhile.
    if (show)
        table_->SetTable(entered.table);
    return true;
}

} // namespace tumbaro
