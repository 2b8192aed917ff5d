#include "ui/commands/game_commands.h"

#include <QAction>

namespace tumbaro {

namespace {

QAction* MakeAction(QObject* parent, const char* name, const char* text)
{
    auto* action = new QAction(QString::fromLatin1(text), parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

GameCommands::GameCommands(QObject* parent)
    : QObject(parent), newGame_(MakeAction(this, "NewGame", "New Game")),
      undo_(MakeAction(this, "Undo", "Undo your previous move")),
      schemes_{MakeAction(this, "Scheme1", "Scheme 1"), MakeAction(this, "Scheme2", "Scheme 2"),
               MakeAction(this, "Scheme3", "Scheme 3")},
      help_(MakeAction(this, "Help", "Help")), hint_(MakeAction(this, "Hint", "Hint")),
      sound_(MakeAction(this, "Sound", "Sound")), quit_(MakeAction(this, "Quit", "Exit Game"))
{
    setObjectName(QStringLiteral("GameCommands"));
    // Nothing to take back before the first move.
    undo_->setEnabled(false);
}

} // namespace tumbaro
