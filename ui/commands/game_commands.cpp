#include "ui/commands/game_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>

namespace tumbaro {

namespace {

// A command's text is the hint of the button that triggers it. Its key is
// only shown: the window's key table runs the keys, and a menu that is open
// takes them as its own.
QAction* MakeAction(QObject* parent, const char* name, const char* text, const QKeySequence& key = {},
                    const char* context = "Hints")
{
    auto* action = new QAction(QCoreApplication::translate(context, text), parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
    return action;
}

QAction* MenuAction(QObject* parent, const char* name, const char* text, const QKeySequence& key)
{
    return MakeAction(parent, name, text, key, "Menu");
}

QAction* DealAction(QObject* parent, const char* name, const char* text, const QKeySequence& key = {})
{
    return MakeAction(parent, name, text, key, "Deals");
}

} // namespace

GameCommands::GameCommands(QObject* parent)
    : QObject(parent),
      newGame_(MakeAction(this, "NewGame", QT_TRANSLATE_NOOP("Hints", "New Game"), Qt::Key_N)),
      undo_(MakeAction(this, "Undo", QT_TRANSLATE_NOOP("Hints", "Undo your previous move"), Qt::Key_U)),
      schemes_{MakeAction(this, "Scheme1", QT_TRANSLATE_NOOP("Hints", "Scheme 1"), Qt::Key_1),
               MakeAction(this, "Scheme2", QT_TRANSLATE_NOOP("Hints", "Scheme 2"), Qt::Key_2),
               MakeAction(this, "Scheme3", QT_TRANSLATE_NOOP("Hints", "Scheme 3"), Qt::Key_3)},
      help_(MakeAction(this, "Help", QT_TRANSLATE_NOOP("Hints", "Help"), Qt::Key_F1)),
      //: The command that shows a possible move.
      hint_(MakeAction(this, "Hint", QT_TRANSLATE_NOOP("Hints", "Hint"), Qt::Key_H)),
      //: The command that switches the sound off or on.
      sound_(MakeAction(this, "Sound", QT_TRANSLATE_NOOP("Hints", "Sound"), Qt::Key_M)),
      //: The command that shows or hides a symbol on each ball.
      symbols_(MakeAction(this, "Symbols", QT_TRANSLATE_NOOP("Hints", "Symbols"), Qt::Key_S)),
      quit_(MakeAction(this, "Quit", QT_TRANSLATE_NOOP("Hints", "Exit Game"), Qt::CTRL | Qt::Key_Q)),
      dealNumber_(DealAction(this, "DealNumber", QT_TRANSLATE_NOOP("Deals", "Deal number..."), Qt::Key_G)),
      todaysDeal_(DealAction(this, "TodaysDeal", QT_TRANSLATE_NOOP("Deals", "Today's deal"), Qt::Key_T)),
      thisDeal_(DealAction(this, "ThisDeal", QT_TRANSLATE_NOOP("Deals", "Deal number"), Qt::Key_D)),
      copyGame_(DealAction(this, "CopyGame", QT_TRANSLATE_NOOP("Deals", "Copy game"), Qt::CTRL | Qt::Key_C)),
      statistics_(
          MakeAction(this, "ShowStatistics", QT_TRANSLATE_NOOP("Statistics", "Statistics"), Qt::Key_I, "Statistics")),
      ways_{MenuAction(this, "NewClassic", QT_TRANSLATE_NOOP("Menu", "New Classic game"), Qt::CTRL | Qt::Key_1),
            MenuAction(this, "NewTimed", QT_TRANSLATE_NOOP("Menu", "New Timed game"), Qt::CTRL | Qt::Key_2),
            MenuAction(this, "NewZen", QT_TRANSLATE_NOOP("Menu", "New Zen game"), Qt::CTRL | Qt::Key_3)},
      pause_(MenuAction(this, "Pause", QT_TRANSLATE_NOOP("Menu", "Pause"), Qt::Key_P)),
      menu_(MenuAction(this, "Menu", QT_TRANSLATE_NOOP("Menu", "Menu"), Qt::SHIFT | Qt::Key_F10)),
      zoomIn_(MakeAction(this, "ZoomIn", QT_TRANSLATE_NOOP("Zoom", "Zoom In"), Qt::CTRL | Qt::Key_Plus, "Zoom")),
      zoomOut_(MakeAction(this, "ZoomOut", QT_TRANSLATE_NOOP("Zoom", "Zoom Out"), Qt::CTRL | Qt::Key_Minus, "Zoom")),
      //: The command that shows the window at its normal size, a zoom of 100 %.
      zoomReset_(MakeAction(this, "ZoomReset", QT_TRANSLATE_NOOP("Zoom", "Normal Size"), Qt::CTRL | Qt::Key_0, "Zoom")),
      fullScreen_(MakeAction(this, "FullScreen", QT_TRANSLATE_NOOP("Zoom", "Full Screen"), Qt::Key_F11, "Zoom"))
{
    //: The command that steps through the speeds: normal, fast, instant.
    speed_ = new QAction(QCoreApplication::translate("Pace", "Speed"), this);
    speed_->setObjectName(QStringLiteral("Speed"));
    // Shown beside the entry where the action is listed; the key itself is
    // read by the keyboard's table.
    speed_->setShortcut(QKeySequence(Qt::Key_F));
    setObjectName(QStringLiteral("GameCommands"));
    // Nothing to take back before the first move.
    undo_->setEnabled(false);
    auto* ways = new QActionGroup(this);
    for (QAction* way : ways_) {
        way->setCheckable(true);
        ways->addAction(way);
    }
    ways_[0]->setChecked(true);
    for (QAction* toggle : {sound_, symbols_, pause_})
        toggle->setCheckable(true);
    pause_->setEnabled(false);
}

void GameCommands::ShowDeal(tumbaro::DealNumber deal)
{
    //: The entry that names the deal being played, e.g. "Deal 20261208".
    thisDeal_->setText(QCoreApplication::translate("Deals", "Deal %1").arg(deal));
}

} // namespace tumbaro
