#pragma once
// The picture buttons' looks: pressed while the mouse is down on one, and
// released again when its command has run. A click on a button triggers its
// command, and the undo button follows whether its command can run.

#include "ui/layout/window_layout.h"

#include <QObject>

#include <array>

class QAction;

namespace tumbaro {

class BoardAccessibility;
class GameCommands;
class PictureControl;
class PictureList;

class ButtonLooks : public QObject {
    Q_OBJECT
public:
    explicit ButtonLooks(QWidget* window);

    // The button for `role`, as the layout made it; other roles are not buttons.
    void Take(ControlRole role, PictureControl* button);
    // Presses show the pressed look and clicks trigger the commands; a
    // screen reader's press triggers them too.
    void Connect(const GameCommands& commands, BoardAccessibility& accessibility);
    // The button for `role` as it looks at rest.
    void ShowReleased(ControlRole role);
    PictureControl* Button(ControlRole role) const { return buttons_[static_cast<std::size_t>(role)]; }

private:
    // The button's picture k of ImageList1 (the scheme buttons) or ImageList2.
    void ShowLook(ControlRole role, int pressed);

    PictureList* ImageList1; // the scheme buttons' looks
    PictureList* ImageList2; // the other buttons' looks
    std::array<PictureControl*, static_cast<std::size_t>(ControlRole::Scheme3) + 1> buttons_{};
};

} // namespace tumbaro
