// The end of a game through the high-score table: the place check, the name
// dialog, the entry a second after it closes, both files rewritten, and then
// the question whether to play again.

#include "scores/high_score_table.h"
#include "scores/name_dialog.h"
#include "scores/name_text.h"
#include "scores/score_file.h"
#include "scores/score_text.h"
#include "ui/controls/list_box.h"
#include "ui/window/main_window.h"
#include "ui/controls/score_box.h"

#include <QTimer>

namespace tumbaro {

namespace {

// The files are written in UTF-8, the code page of a Linux desktop; a line
// from an older Latin-1 table reads as it always did (see name_text.h).
std::vector<std::string> LinesOf(const ListBox* list)
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(list->Lines().size()));
    for (const QString& line : list->Lines())
        lines.push_back(line.toStdString());
    return lines;
}

void ShowLines(ListBox* list, const std::vector<std::string>& lines)
{
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        shown.push_back(QString::fromStdString(LineAsUtf8(line)));
    list->SetLines(shown);
}

} // namespace

void TTumbaro::LoadHighScores()
{
    ShowLines(ListBox1, LoadLines(NamesFileName));
    ShowLines(ListBox2, LoadLines(ScoresFileName));
}

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
    if (FindPlace(LinesOf(ListBox2), game_.State().Score) == -1) {
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
    GameState& state = game_.State();
    state.Score = StrToInt(Memo1->Text().toStdString());
    std::vector<std::string> names = LinesOf(ListBox1);
    std::vector<std::string> scores = LinesOf(ListBox2);
    const int place = FindPlace(scores, state.Score);
    if (place != -1) {
        InsertEntry(names, scores, place, state.PlayerName, state.Score);
        ShowLines(ListBox1, names);
        ShowLines(ListBox2, scores);
    }
    SaveLines(NamesFileName, names);
    SaveLines(ScoresFileName, scores);
    game_.GameOver();
}

} // namespace tumbaro
