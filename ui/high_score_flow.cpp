// The end of a game through the high-score table: the place check, the name
// dialog, the entry a second after it closes, both files rewritten, and then
// the question whether to play again.

#include "scores/high_score_table.h"
#include "scores/name_dialog.h"
#include "scores/name_text.h"
#include "scores/score_file.h"
#include "scores/score_text.h"
#include "ui/main_window.h"

#include <QListWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

namespace tumbaro {

namespace {

constexpr int ItemHeight = 26;

// The files are written in UTF-8, the code page of a Linux desktop; a line
// from an older Latin-1 table reads as it always did (see name_text.h).
std::vector<std::string> LinesOf(const QListWidget* list)
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i)
        lines.push_back(list->item(i)->text().toStdString());
    return lines;
}

// Puts the lines in the list box, replacing items in place so that the
// selected line stays where it was.
void ShowLines(QListWidget* list, const std::vector<std::string>& lines)
{
    const int count = static_cast<int>(lines.size());
    while (list->count() > count)
        delete list->takeItem(list->count() - 1);
    for (int i = 0; i < count; ++i) {
        const QString text = QString::fromStdString(LineAsUtf8(lines[static_cast<std::size_t>(i)]));
        if (i < list->count()) {
            if (list->item(i)->text() != text)
                list->item(i)->setText(text);
        } else {
            auto* item = new QListWidgetItem(text, list);
            item->setSizeHint(QSize(0, ItemHeight));
        }
    }
}

} // namespace

void TTumbaro::LoadHighScores()
{
    ShowLines(ListBox1, LoadLines(NamesFileName));
    ShowLines(ListBox2, LoadLines(ScoresFileName));
}

void TTumbaro::HightScore()
{
    if (FindPlace(LinesOf(ListBox2), game_.State().Score) == -1) {
        game_.GameOver();
        return;
    }
    if (HScore)
        HScore->exec();
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
    state.Score = StrToInt(Memo1->document()->firstBlock().text().toStdString());
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
