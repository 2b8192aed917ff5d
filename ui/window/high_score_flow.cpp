// The end of a game through the high-score table: the place check, the name
// dialog, the entry a second after it closes, both files rewritten, and then
// the question whether to play again.

#include "scores/high_score_table.h"
#include "scores/name_dialog.h"
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
    if (FindPlace(table_->Table().Scores, game_.State().Score) == -1) {
        game_.GameOver();
        return;
    }
    NameDialog()->exec();
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
    const GameState& state = game_.State();
    HighScoreTable table = table_->Table();
    const int place = FindPlace(table.Scores, state.Score);
    if (place != -1) {
        InsertEntry(table.Names, table.Scores, place, state.PlayerName, state.Score);
        table_->SetTable(table);
    }
    table.Save();
    game_.GameOver();
}

} // namespace tumbaro
