// The picture buttons below the board and in the corner, the commands they
// share with the keys and a screen reader, and moving or minimising the
// borderless window from its background.

#include "platform/help_page.h"
#include "platform/registry_store.h"
#include "ui/accessibility/accessibility.h"
#include "ui/accessibility/game_announcements.h"
#include "ui/board/hint_blink.h"
#include "ui/commands/game_commands.h"
#include "ui/controls/background_picture.h"
#include "ui/controls/picture_control.h"
#include "ui/pictures/picture_list.h"
#include "ui/settings/scheme_setting.h"
#include "ui/settings/sound_switch.h"
#include "ui/settings/symbols_switch.h"
#include "ui/window/main_window.h"

#include <QAction>
#include <QWindow>

namespace tumbaro {

namespace {
// Looks in ImageList2.
constexpr int NewReleased = 0, NewPressed = 1, UndoReleased = 2, UndoPressed = 3, ExitPressed = 5,
              HelpReleased = 6, HelpPressed = 7;
} // namespace

void TTumbaro::ShowLook(PictureControl* button, const PictureList* list, int k) { button->CopyFromList(list, k); }

void TTumbaro::ConnectButtons()
{
    // A press shows the button pressed; a click triggers its command, which
    // shows it released again.
    auto button = [this](PictureControl* control, const PictureList* list, int pressed, QAction* action) {
        connect(control, &PictureControl::MouseDown, this,
                [=, this] { Handle([=, this] { ShowLook(control, list, pressed); }); });
        connect(control, &PictureControl::Click, action, &QAction::trigger);
        accessibility_->SetPress(control, action);
    };
    for (int scheme = 1; scheme <= 3; ++scheme)
        button(SchemeButtons[static_cast<std::size_t>(scheme - 1)], ImageList1, 2 * scheme - 1,
               commands_->Scheme(scheme));
    button(Image15, ImageList2, UndoPressed, commands_->Undo());
    button(Image16, ImageList2, NewPressed, commands_->NewGame());
    button(Exit, ImageList2, ExitPressed, commands_->Quit());
    button(Help, ImageList2, HelpPressed, commands_->Help());
    // Any button's release over the help button shows it released.
    connect(Help, &PictureControl::MouseUp, this,
            [this] { Handle([this] { ShowLook(Help, ImageList2, HelpReleased); }); });
    connect(Background, &PictureControl::MouseDown, this,
            [this](Qt::MouseButton pressed, QPoint at) { Handle([=, this] { BackgroundMouseDown(pressed, at); }); });
    // Only the undo button is ever disabled: it follows its command, which
    // follows the game.
    connect(commands_->Undo(), &QAction::enabledChanged, Image15, &PictureControl::SetActive);
    Image15->SetActive(commands_->Undo()->isEnabled());
}

void TTumbaro::ConnectCommands()
{
    OnTriggered(commands_->NewGame(), [this] {
        ShowLook(Image16, ImageList2, NewReleased);
        // An entry still waiting is made first, and no question follows it.
        CompletePendingEntry();
        game_.Newgame();
        announcements_->NewGame();
    });
    OnTriggered(commands_->Undo(), [this] {
        ShowLook(Image15, ImageList2, UndoReleased);
        game_.Undo();
        announcements_->Undone();
    });
    for (int scheme = 1; scheme <= 3; ++scheme)
        OnTriggered(commands_->Scheme(scheme), [this, scheme] { SchemeClick(scheme); });
    OnTriggered(commands_->Help(), [this] {
        // A click's order: the page first, then the released look.
        OpenHelpPage();
        ShowLook(Help, ImageList2, HelpReleased);
    });
    OnTriggered(commands_->Quit(), [this] { Terminate(); });
    OnTriggered(commands_->Hint(), [this] {
        if (hint_->Start())
            announcements_->HintShown(hint_->First(), hint_->Second());
    });
    OnTriggered(commands_->Sound(), [this] {
        soundSwitch_->Toggle();
        announcements_->SoundSwitched(soundSwitch_->On());
    });
    OnTriggered(commands_->Symbols(), [this] {
        symbolsSwitch_->Toggle();
        Redrow();
        announcements_->SymbolsSwitched(symbolsSwitch_->On());
    });
}

void TTumbaro::SchemeClick(int scheme)
{
    Registry registry(settingsFile_);
    StoreScheme(registry, scheme);
    ShowLook(SchemeButtons[static_cast<std::size_t>(scheme - 1)], ImageList1, 2 * scheme - 2);
    game_.State().Scheme = scheme;
    Redrow();
    announcements_->SchemeChosen(scheme);
}

void TTumbaro::BackgroundMouseDown(Qt::MouseButton button, QPoint position)
{
    // The background reaches 8 pixels left of and 24 above the window, so
    // every point of the window lies strictly inside it.
    if (position.x() <= 0 || position.x() >= 800 || position.y() <= 0 || position.y() >= 600)
        return;
    if (button == Qt::LeftButton) {
        if (QWindow* window = windowHandle())
            window->startSystemMove();
    } else if (button == Qt::RightButton) {
        showMinimized();
    }
}

} // namespace tumbaro
