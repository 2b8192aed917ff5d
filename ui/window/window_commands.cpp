// What the player's commands do, whichever way they come (a button, a key, a
// screen reader), and the ways out of the program other than the question:
// the exit button, the window closed by the desktop, SIGTERM or SIGHUP. None
// of them loses an entry the player has earned; the unfinished game is
// already kept.

#include "deals/deal_number.h"
#include "platform/help_page.h"
#include "platform/registry_store.h"
#include "ui/accessibility/game_announcements.h"
#include "ui/board/board_view.h"
#include "ui/board/hint_blink.h"
#include "ui/commands/game_commands.h"
#include "ui/deals/deal_dialog.h"
#include "ui/errors/error_display.h"
#include "ui/settings/scheme_setting.h"
#include "ui/settings/sound_switch.h"
#include "ui/settings/speed_setting.h"
#include "ui/settings/symbols_switch.h"
#include "ui/settings/way_setting.h"
#include "ui/statistics/statistics_opener.h"
#include "ui/table/high_score_model.h"
#include "ui/window/button_looks.h"
#include "ui/window/end_of_game.h"
#include "ui/window/game_recorder.h"
#include "ui/window/main_window.h"
#include "ui/window/way_play.h"
#include "ui/zoom/window_zoom.h"

#include <QAction>
#include <QCoreApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QWindow>

#include <ctime>

namespace tumbaro {

void TTumbaro::ConnectCommands()
{
    commands_->Sound()->setChecked(soundSwitch_->On());
    commands_->Symbols()->setChecked(symbolsSwitch_->On());
    OnTriggered(commands_->NewGame(), [this] {
        looks_->ShowReleased(ControlRole::NewGame);
        // An entry still waiting is made first, and no question follows it.
        ending_->CompletePendingEntry();
        Newgame();
        announcements_->NewGame();
    });
    for (Way way : AllWays)
        OnTriggered(commands_->NewGameIn(way), [this, way] {
            ending_->CompletePendingEntry();
            Newgame(way);
            announcements_->NewGame();
        });
    OnTriggered(commands_->Undo(), [this] {
        looks_->ShowReleased(ControlRole::Undo);
        game_.Undo();
        announcements_->Undone();
    });
    for (int scheme = 1; scheme <= 3; ++scheme)
        OnTriggered(commands_->Scheme(scheme), [this, scheme] { SchemeClick(scheme); });
    OnTriggered(commands_->Help(), [this] {
        // A click's order: the page first, then the released look.
        OpenHelpPage();
        looks_->ShowReleased(ControlRole::Help);
    });
    OnTriggered(commands_->Quit(), [this] { Terminate(); });
    OnTriggered(commands_->Hint(), [this] {
        if (hint_->Start())
            announcements_->HintShown(hint_->First(), hint_->Second());
    });
    OnTriggered(commands_->Sound(), [this] {
        soundSwitch_->Toggle();
        commands_->Sound()->setChecked(soundSwitch_->On());
        announcements_->SoundSwitched(soundSwitch_->On());
    });
    OnTriggered(commands_->Symbols(), [this] {
        symbolsSwitch_->Toggle();
        commands_->Symbols()->setChecked(symbolsSwitch_->On());
        board_->Redraw();
        announcements_->SymbolsSwitched(symbolsSwitch_->On());
    });
    OnTriggered(commands_->Speed(), [this] {
        speed_->Step();
        announcements_->SpeedChosen(SpeedSetting::Words(speed_->Current()));
    });
    OnTriggered(commands_->ZoomIn(), [this] { zoom_->ZoomIn(); });
    OnTriggered(commands_->ZoomOut(), [this] { zoom_->ZoomOut(); });
    OnTriggered(commands_->ZoomReset(), [this] { zoom_->ZoomReset(); });
    OnTriggered(commands_->FullScreen(), [this] { zoom_->ToggleFullScreen(); });
}

void TTumbaro::ConnectDealCommands()
{
    // A deal by its number, or today's, is a new game as NEW is: a name
    // entry still waiting is made first.
    auto play = [this](DealNumber deal) {
        ending_->CompletePendingEntry();
        ReplaceGame(deal, game_.CurrentWay());
        announcements_->NewGame();
    };
    OnTriggered(commands_->DealNumber(), [this, play] {
        if (const auto deal = AskDealNumber(this, game_.Tally().Deal))
            play(*deal);
    });
    OnTriggered(commands_->TodaysDeal(), [play] {
        if (const auto deal = DealOfToday(std::time(nullptr)))
            play(*deal);
    });
    OnTriggered(commands_->ThisDeal(), [this] { announcements_->Say(commands_->ThisDeal()->text()); });
    OnTriggered(commands_->CopyGame(), [this] {
        QGuiApplication::clipboard()->setText(GameLine(game_));
        announcements_->Say(QCoreApplication::translate("Deals", "The game is copied"));
    });
    OnTriggered(commands_->Statistics(), [this] {
        const auto file = logFile_ ? logFile_ : GameLogPath();
        if (!OpenStatisticsWindow(QString::fromStdString(file.value_or(std::filesystem::path()).string()), this))
            ShowError(QCoreApplication::translate("Statistics", "The statistics window cannot be opened: its module is missing"));
    });
}

void TTumbaro::SchemeClick(int scheme)
{
    Registry registry(settingsFile_);
    StoreScheme(registry, scheme);
    const auto button = static_cast<ControlRole>(static_cast<int>(ControlRole::Scheme1) + scheme - 1);
    looks_->ShowReleased(button);
    // A background that can't be loaded is told, and the cells keep their
    // pictures until they are next drawn, in the new scheme.
    board_->SetScheme(scheme);
    LoadBackground();
    board_->Redraw();
    announcements_->SchemeChosen(scheme);
}

void TTumbaro::BackgroundMouseDown(Qt::MouseButton button, QPoint position)
{
    // The background reaches 8 pixels left of and 24 above the window, so
    // every point of the window lies strictly inside it.
    if (position.x() <= 0 || position.x() >= 800 || position.y() <= 0 || position.y() >= 600)
        return;
    if (button == Qt::LeftButton) {
        // A window on the whole screen has nowhere to go.
        if (QWindow* window = windowHandle(); window && !isFullScreen())
            window->startSystemMove();
    } else if (button == Qt::RightButton) {
        showMinimized();
    }
}

void TTumbaro::closeEvent(QCloseEvent* event)
{
    ending_->CompletePendingEntryOrLog(true);
    keeper_.KeepTimeOf(game_);
    ways_->SetHeld(true);
    QWidget::closeEvent(event);
}

void TTumbaro::QuitOnSignal()
{
    ending_->CompletePendingEntryOrLog(true);
    Terminate();
}

void TTumbaro::ShowTableOf(Way way)
{
    // Zen enters nothing, and shows the Classic table.
    const bool timed = way == Way::Timed;
    ending_->UseTable(timed ? TimedTable : ClassicTable);
    if (timed == timedTable_)
        return;
    timedTable_ = timed;
    table_->Load(timed ? TimedTable : ClassicTable);
}

void TTumbaro::Newgame()
{
    LoadBackground();
    ReplaceGame(*(lastClockDeal_ = DealOfClock(std::time(nullptr), lastClockDeal_)), game_.CurrentWay());
}

void TTumbaro::Newgame(Way way)
{
    LoadBackground();
    ReplaceGame(*(lastClockDeal_ = DealOfClock(std::time(nullptr), lastClockDeal_)), way);
    commands_->NewGameIn(way)->setChecked(true);
    StoreWay(settingsFile_, way);
    ShowTableOf(way);
}

void TTumbaro::ReplaceGame(DealNumber deal, Way way)
{
    recorder_->Replaced(game_.CurrentWay(), game_.Tally(), game_.State().Score);
    // Started first: the new deal is kept at once, with no time played yet.
    recorder_->Started();
    game_.Deal(deal, way);
    commands_->ShowDeal(deal);
    ways_->GameStarted(false);
}

void TTumbaro::Terminate()
{
    ending_->CompletePendingEntry();
    keeper_.KeepTimeOf(game_);
    ways_->SetHeld(true);
    AnimationTimer->stop();
    hide();
    emit Terminated();
    QCoreApplication::quit();
}

} // namespace tumbaro
