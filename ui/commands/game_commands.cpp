#include "ui/commands/game_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>

namespace tumbaro {

namespace {

// A command's text is the hint of the button that triggers it.
QAction* MakeAction(QObject* parent, const char* name, const char* text)
{
    auto* action = new QAction(QCoreApplication::translate("Hints", text), parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// The key is shown beside the entry in a menu; the key table triggers it.
QAction* WithKey(QAction* action, const QKeySequence& key)
{
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    return action;
}

QAction* DealAction(QObject* parent, const char* name, const char* text)
{
    auto* action = new QAction(QCoreApplication::translate("Deals", text), parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

GameCommands::GameCommands(QObject* parent)
    : QObject(parent), newGame_(MakeAction(this, "NewGame", QT_TRANSLATE_NOOP("Hints", "New Game"))),
      undo_(MakeAction(this, "Undo", QT_TRANSLATE_NOOP("Hints", "Undo your previous move"))),
      schemes_{MakeAction(this, "Scheme1", QT_TRANSLATE_NOOP("Hints", "Scheme 1")),
               MakeAction(this, "Scheme2", QT_TRANSLATE_NOOP("Hints", "Scheme 2")),
               MakeAction(this, "Scheme3", QT_TRANSLATE_NOOP("Hints", "Scheme 3"))},
      help_(MakeAction(this, "Help", QT_TRANSLATE_NOOP("Hints", "Help"))),
      //: The command that shows a possible move.
      hint_(MakeAction(this, "Hint", QT_TRANSLATE_NOOP("Hints", "Hint"))),
      //: The command that switches the sound off or on.
      sound_(MakeAction(this, "Sound", QT_TRANSLATE_NOOP("Hints", "Sound"))),
      //: The command that shows or hides a symbol on each ball.
      symbols_(MakeAction(this, "Symbols", QT_TRANSLATE_NOOP("Hints", "Symbols"))),
      quit_(MakeAction(this, "Quit", QT_TRANSLATE_NOOP("Hints", "Exit Game"))),
      dealNumber_(DealAction(this, "DealNumber", QT_TRANSLATE_NOOP("Deals", "Deal number..."))),
      todaysDeal_(DealAction(this, "TodaysDeal", QT_TRANSLATE_NOOP("Deals", "Today's deal"))),
      thisDeal_(WithKey(DealAction(this, "ThisDeal", QT_TRANSLATE_NOOP("Deals", "Deal number")), Qt::Key_D)),
      copyGame_(WithKey(DealAction(this, "CopyGame", QT_TRANSLATE_NOOP("Deals", "Copy game")),
                        QKeySequence(Qt::CTRL | Qt::Key_C))),
      statistics_(new QAction(QCoreApplication::translate("Statistics", "Statistics"), this))
{
    statistics_->setObjectName(QStringLiteral("ShowStatistics"));
    setObjectName(QStringLiteral("GameCommands"));
    // Nothing to take back before the first move.
    undo_->setEnabled(false);
}

void GameCommands::ShowDeal(tumbaro::DealNumber deal)
{
    //: The entry that names the deal being played, e.g. "Deal 20261208".
    thisDeal_->setText(QCoreApplication::translate("Deals", "Deal %1").arg(deal));
}

} // namespace tumbaro
