#pragma once
// What follows a game with no move left: the place check against the table,
// the name dialog for a place, the entry a second after it closes (Timer3),
// both files rewritten, and the question whether to play again. An entry
// still pending when the player deals anew or the program ends is made there
// and then.

#include "scores/high_score_table.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <string>

class QTimer;
class QWidget;

namespace tumbaro {

class HighScoreModel;
class THScore;

class EndOfGame : public QObject {
    Q_OBJECT
public:
    // What the answer to the question does: a new deal, or the end of the program.
    struct Answers {
        std::function<void()> playAgain;
        std::function<void()> quit;
    };
    EndOfGame(QWidget* window, HighScoreModel& table, Answers answers);

    // The table the next game's entry goes to.
    void UseTable(const TableFileSet& files) { files_ = files; }
    // The game just ended with `score`: runs the whole end, modally.
    void GameEnded(std::int32_t score);
    // The name-entry dialog, made the first time a high score needs it: its
    // editor and buttons cost memory that most games never use.
    THScore* NameDialog();
    // A game that earned a place and whose entry is still to be made (the
    // name dialog open, or the second's wait after it) is entered now: with
    // the name as typed so far, the dialog's default if it is empty. False
    // when there was none. `show` false only writes the files, for the very
    // end of the program, when the display may already be gone.
    bool CompletePendingEntry(bool show = true);
    // The same where no error box can be shown: a failure goes to stderr.
    void CompletePendingEntryOrLog(bool show) noexcept;

private:
    void Timer3Timer();
    void AskPlayAgain();

    QWidget* window_;
    HighScoreModel& table_;
    Answers answers_;
    QTimer* Timer3;
    THScore* HScore = nullptr;
    std::string PlayerName; // the name typed last, offered again
    enum class PendingEntry { None, NameOpen, Waiting };
    PendingEntry entry_ = PendingEntry::None;
    std::int32_t pendingScore_ = 0; // the score of the game that earned the place
    int endPlace_ = 0; // 1..10: the place the game that ended earned; 0 for none
    TableFileSet files_ = ClassicTable;
};

} // namespace tumbaro
