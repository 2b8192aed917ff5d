#pragma once
// What each move and command did, said once in a short sentence through the
// announcer: the report of a settled move, a refusal, undo, a new game, a
// scheme, the hint and the sound switch. When the ball under the keyboard
// cursor has changed meanwhile, the sentence ends with that cell, so the
// player hears it without moving.

#include "play/game_events.h"

#include <QObject>

class QWidget;

namespace tumbaro {

class Announcer;
class BoardAccessibility;
class Game;

class GameAnnouncements : public QObject {
    Q_OBJECT
public:
    GameAnnouncements(const Game& game, BoardAccessibility& board, QWidget* window);

    void MoveSettled(const std::vector<RemovedLine>& lines, std::int32_t score);
    void MoveRefused(Refusal why);
    void Undone();
    void NewGame();
    void SchemeChosen(int scheme);
    // The two cells of the hint, as element numbers.
    void HintShown(int first, int second);
    void SoundSwitched(bool on);
    void SymbolsSwitched(bool on);
    // The speed now, in the words the note shows.
    void SpeedChosen(const QString& words);
    // Any other news, said as it is.
    void Say(QString text);

private:

    const Game& game_;
    BoardAccessibility& board_;
    Announcer* announcer_;
};

} // namespace tumbaro
