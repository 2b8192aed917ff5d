#pragma once
// The player's commands, one action each: the picture buttons, the keys, the
// menu and a screen reader's press all trigger the same action, and an action
// that is not possible now (undo with nothing to undo) is disabled for all of
// them. Each action carries its key, so the menu shows it beside the entry.

#include "deals/way.h"

#include "deals/deal_number.h"

#include <QObject>

#include <array>

class QAction;

namespace tumbaro {

class GameCommands : public QObject {
    Q_OBJECT
public:
    explicit GameCommands(QObject* parent);

    QAction* NewGame() const { return newGame_; }
    QAction* Undo() const { return undo_; }
    // Scheme 1, 2 or 3.
    QAction* Scheme(int scheme) const { return schemes_[static_cast<std::size_t>(scheme - 1)]; }
    QAction* Help() const { return help_; }
    QAction* Hint() const { return hint_; }
    QAction* Sound() const { return sound_; }
    QAction* Symbols() const { return symbols_; }
    // Steps through the speeds a move plays out at.
    QAction* Speed() const { return speed_; }
    QAction* Quit() const { return quit_; }
    // Play a deal by its number, asked for in a dialog.
    QAction* DealNumber() const { return dealNumber_; }
    QAction* TodaysDeal() const { return todaysDeal_; }
    // Names the deal on the table, and says it to a screen reader.
    QAction* ThisDeal() const { return thisDeal_; }
    // The game's line on the clipboard.
    QAction* CopyGame() const { return copyGame_; }
    QAction* Statistics() const { return statistics_; }

    // The number ThisDeal names.
    void ShowDeal(tumbaro::DealNumber deal);
    // A new game in `way`; the way of the game on screen is checked.
    QAction* NewGameIn(Way way) const { return ways_[static_cast<std::size_t>(way)]; }
    // Stops or goes on with a timed game's clock; enabled only in a timed game.
    QAction* Pause() const { return pause_; }
    // Opens the menu at the NEW button.
    QAction* Menu() const { return menu_; }
    QAction* ZoomIn() const { return zoomIn_; }
    QAction* ZoomOut() const { return zoomOut_; }
    QAction* ZoomReset() const { return zoomReset_; }
    QAction* FullScreen() const { return fullScreen_; }

private:
    QAction* newGame_;
    QAction* undo_;
    std::array<QAction*, 3> schemes_;
    QAction* help_;
    QAction* hint_;
    QAction* sound_;
    QAction* symbols_;
    QAction* speed_;
    QAction* quit_;
    QAction* dealNumber_;
    QAction* todaysDeal_;
    QAction* thisDeal_;
    QAction* copyGame_;
    QAction* statistics_;
    std::array<QAction*, 3> ways_;
    QAction* pause_;
    QAction* menu_;
    QAction* zoomIn_;
    QAction* zoomOut_;
    QAction* zoomReset_;
    QAction* fullScreen_;
};

} // namespace tumbaro
