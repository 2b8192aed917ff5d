#include "ui/menu/game_menu.h"

#include "ui/commands/game_commands.h"
#include "ui/controls/picture_control.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

namespace tumbaro {

namespace {

// How long a finger rests on NEW before the menu opens instead of a new game.
constexpr int LongPressTime = 500; // ms

} // namespace

GameMenu::GameMenu(QWidget* window, GameCommands& commands, PictureControl& newButton)
    : QObject(window), window_(window), commands_(commands), newButton_(newButton), longPress_(new QTimer(this))
{
    setObjectName(QStringLiteral("GameMenuOpener"));
    connect(commands.Menu(), &QAction::triggered, this,
            [this] { Open(newButton_.mapToGlobal(QPoint(0, newButton_.height()))); });
    longPress_->setSingleShot(true);
    longPress_->setInterval(LongPressTime);
    connect(longPress_, &QTimer::timeout, this, [this] { Open(pressedAt_); });
    newButton_.installEventFilter(this);
    // A right press on NEW shows it pressed and starts nothing, so the menu
    // opens there, once the pressed look is shown, and takes the release.
    connect(&newButton_, &PictureControl::MouseDown, this, [this](Qt::MouseButton button, QPoint at) {
        if (button == Qt::RightButton)
            Open(newButton_.mapToGlobal(at));
    });
}

QMenu& GameMenu::Menu()
{
    // Made when first wanted: a game that never opens it never pays for it.
    if (menu_)
        return *menu_;
    menu_ = new QMenu(window_);
    menu_->setObjectName(QStringLiteral("GameMenu"));
    menu_->setAccessibleName(QCoreApplication::translate("Menu", "Menu"));
    for (Way way : AllWays)
        menu_->addAction(commands_.NewGameIn(way));
    menu_->addAction(commands_.Pause());
    menu_->addSeparator();
    for (QAction* deal : {commands_.DealNumber(), commands_.TodaysDeal(), commands_.ThisDeal(), commands_.CopyGame(),
                          commands_.Statistics()})
        menu_->addAction(deal);
    menu_->addSeparator();
    menu_->addAction(commands_.Hint());
    menu_->addAction(commands_.Sound());
    menu_->addAction(commands_.Symbols());
    menu_->addAction(commands_.Speed());
    for (int scheme = 1; scheme <= 3; ++scheme)
        menu_->addAction(commands_.Scheme(scheme));
    menu_->addSeparator();
    for (QAction* size : {commands_.ZoomIn(), commands_.ZoomOut(), commands_.ZoomReset(), commands_.FullScreen()})
        menu_->addAction(size);
    menu_->addSeparator();
    menu_->addAction(commands_.Help());
    menu_->addAction(commands_.Quit());
    connect(menu_, &QMenu::aboutToShow, this, [this] { emit Shown(true); });
    connect(menu_, &QMenu::aboutToHide, this, [this] { emit Shown(false); });
    return *menu_;
}

void GameMenu::Open(QPoint global)
{
    longPress_->stop();
    Menu().popup(global);
}

bool GameMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &newButton_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* press = static_cast<QMouseEvent*>(event);
        // A finger held on NEW opens the menu in place of a new game.
        if (press->button() == Qt::LeftButton && press->source() != Qt::MouseEventNotSynthesized) {
            pressedAt_ = press->globalPosition().toPoint();
            longPress_->start();
        }
        return false;
    }
    // A finger lifted before the time is a tap, and one that moves is no
    // press; once the menu is open it takes the finger, lift included.
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        longPress_->stop();
        return false;
    default:
        return false;
    }
}

} // namespace tumbaro
