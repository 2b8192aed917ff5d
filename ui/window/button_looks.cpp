#include "ui/window/button_looks.h"

#include "ui/accessibility/accessibility.h"
#include "ui/commands/game_commands.h"
#include "ui/controls/picture_control.h"
#include "ui/errors/error_display.h"
#include "ui/pictures/picture_list.h"

#include <QAction>

#include <utility>

namespace tumbaro {

namespace {

int SchemeOf(ControlRole role) { return static_cast<int>(role) - static_cast<int>(ControlRole::Scheme1) + 1; }

// Looks in ImageList2, released and pressed; the scheme buttons' are in
// ImageList1, two for each scheme.
struct Looks {
    int released, pressed;
};
Looks LooksOf(ControlRole role)
{
    switch (role) {
    case ControlRole::NewGame: return {0, 1};
    case ControlRole::Undo: return {2, 3};
    case ControlRole::Exit: return {4, 5};
    case ControlRole::Help: return {6, 7};
    default: return {2 * SchemeOf(role) - 2, 2 * SchemeOf(role) - 1};
    }
}

bool IsScheme(ControlRole role) { return role >= ControlRole::Scheme1 && role <= ControlRole::Scheme3; }

} // namespace

ButtonLooks::ButtonLooks(QWidget* window)
    : QObject(window), ImageList1(new PictureList(QStringLiteral("ImageList1"), window)),
      ImageList2(new PictureList(QStringLiteral("ImageList2"), window))
{
    setObjectName(QStringLiteral("ButtonLooks"));
}

void ButtonLooks::Take(ControlRole role, PictureControl* button)
{
    if (role != ControlRole::None && static_cast<std::size_t>(role) < buttons_.size())
        buttons_[static_cast<std::size_t>(role)] = button;
}

void ButtonLooks::ShowLook(ControlRole role, int k)
{
    Button(role)->CopyFromList(IsScheme(role) ? ImageList1 : ImageList2, k);
}

void ButtonLooks::ShowReleased(ControlRole role) { ShowLook(role, LooksOf(role).released); }

void ButtonLooks::Connect(const GameCommands& commands, BoardAccessibility& accessibility)
{
    const std::pair<ControlRole, QAction*> buttons[] = {
        {ControlRole::Scheme1, commands.Scheme(1)}, {ControlRole::Scheme2, commands.Scheme(2)},
        {ControlRole::Scheme3, commands.Scheme(3)}, {ControlRole::Undo, commands.Undo()},
        {ControlRole::NewGame, commands.NewGame()}, {ControlRole::Exit, commands.Quit()},
        {ControlRole::Help, commands.Help()},
    };
    // A press shows the button pressed; a click triggers its command, which
    // shows it released again.
    for (const auto& [role, action] : buttons) {
        PictureControl* control = Button(role);
        connect(control, &PictureControl::MouseDown, this,
                [this, role] { ShowErrors([this, role] { ShowLook(role, LooksOf(role).pressed); }); });
        connect(control, &PictureControl::Click, action, &QAction::trigger);
        accessibility.SetPress(control, action);
    }
    // Any button's release over the help button shows it released.
    connect(Button(ControlRole::Help), &PictureControl::MouseUp, this,
            [this] { ShowErrors([this] { ShowReleased(ControlRole::Help); }); });
    // Only the undo button is ever disabled: it follows its command, which
    // follows the game.
    PictureControl* undo = Button(ControlRole::Undo);
    connect(commands.Undo(), &QAction::enabledChanged, undo, &PictureControl::SetActive);
    undo->SetActive(commands.Undo()->isEnabled());
}

} // namespace tumbaro
