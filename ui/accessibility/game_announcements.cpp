#include "ui/accessibility/game_announcements.h"

#include "play/game.h"
#include "ui/accessibility/accessibility.h"
#include "ui/accessibility/announcer.h"

#include <QWidget>
#include "ui/accessibility/spoken_words.h"

namespace tumbaro {

GameAnnouncements::GameAnnouncements(const Game& game, BoardAccessibility& board, QWidget* window)
    : QObject(window), game_(game), board_(board), announcer_(new Announcer(window))
{
    setObjectName(QStringLiteral("GameAnnouncements"));
}

void GameAnnouncements::Say(QString text)
{
    const QString cell = board_.FocusCellIfChanged();
    if (!cell.isEmpty())
        text += QLatin1Char(' ') + cell + QLatin1Char('.');
    announcer_->Say(text);
}

void GameAnnouncements::MoveSettled(const std::vector<RemovedLine>& lines, std::int32_t score)
{
    Say(spoken::MoveReport(board_.Scheme(), lines, score));
}

void GameAnnouncements::MoveRefused(Refusal why) { Say(spoken::Refused(why)); }

void GameAnnouncements::Undone() { Say(spoken::Undone(game_.State().Score)); }

void GameAnnouncements::NewGame() { Say(spoken::NewGame()); }

void GameAnnouncements::SchemeChosen(int scheme) { Say(spoken::Scheme(scheme)); }

void GameAnnouncements::HintShown(int first, int second)
{
    auto name = [this](int cell) { return board_.CellName(cell / BoardSize + 1, cell % BoardSize + 1); };
    Say(spoken::Hint(name(first), name(second)));
}

void GameAnnouncements::SoundSwitched(bool on) { Say(spoken::Sound(on)); }
void GameAnnouncements::SymbolsSwitched(bool on) { Say(spoken::Symbols(on)); }
void GameAnnouncements::SpeedChosen(const QString& words) { Say(words + QLatin1Char('.')); }

} // namespace tumbaro
