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

QAction* MakeZoomAction(QObject* parent, const char* name, const char* text, const QKeySequence& key)
{
    auto* action = new QAction(QCoreApplication::translate("Zoom", text), parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
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
      zoomIn_(MakeZoomAction(this, "ZoomIn", QT_TRANSLATE_NOOP("Zoom", "Zoom In"), QKeySequence(Qt::CTRL | Qt::Key_Plus))),
      zoomOut_(MakeZoomAction(this, "ZoomOut", QT_TRANSLATE_NOOP("Zoom", "Zoom Out"), QKeySequence(Qt::CTRL | Qt::Key_Minus))),
      //: The command that shows the window at its normal size, a zoom of 100 %.
      zoomReset_(MakeZoomAction(this, "ZoomReset", QT_TRANSLATE_NOOP("Zoom", "Normal Size"), QKeySequence(Qt::CTRL | Qt::Key_0))),
      fullScreen_(MakeZoomAction(this, "FullScreen", QT_TRANSLATE_NOOP("Zoom", "Full Screen"), QKeySequence(Qt::Key_F11)))
{
    setObjectName(QStringLiteral("GameCommands"));
    // Nothing to take back before the first move.
    undo_->setEnabled(false);
}

} // namespace tumbaro
