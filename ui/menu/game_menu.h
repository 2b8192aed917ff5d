#pragma once
// The game's one menu: a new game in each way to play, the options, help and
// exit, each entry with its key. Nothing of it shows at rest; it opens on a
// right press on NEW, a finger held on NEW, the Menu key and Shift+F10.

#include <QObject>
#include <QPoint>

class QMenu;
class QTimer;

namespace tumbaro {

class GameCommands;
class PictureControl;

class GameMenu : public QObject {
    Q_OBJECT
public:
    // Listens on `newButton` for the presses that open it; `commands`' Menu
    // action opens it under the button.
    GameMenu(QWidget* window, GameCommands& commands, PictureControl& newButton);

    QMenu& Menu();
    // Opens at `global`, a point on the screen.
    void Open(QPoint global);

signals:
    // The menu has opened, or closed: the clock stands still while it is open.
    void Shown(bool open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    GameCommands& commands_;
    QMenu* menu_ = nullptr;
    PictureControl& newButton_;
    QTimer* longPress_;
    QPoint pressedAt_; // where a finger went down on NEW, on the screen
};

} // namespace tumbaro
