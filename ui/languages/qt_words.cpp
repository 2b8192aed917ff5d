// Qt's own words in the game's windows: the message boxes' buttons, the
// name box's right-click menu with its shortcut keys, the names of the
// game's own keys as the help page gives them, and the action a screen
// reader offers on a button. Qt looks them up under its own
// contexts, so naming them here puts them in the game's translations and
// they follow the player's language even where the desktop carries no
// translation of Qt itself; where it does, Qt's own takes precedence.

#include <QtGlobal>

namespace tumbaro {

namespace {

[[maybe_unused]] constexpr const char* QtWords[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    // The same buttons where the desktop is GNOME or one of its kin.
    QT_TRANSLATE_NOOP("QGnomeTheme", "&OK"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&Cancel"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
    QT_TRANSLATE_NOOP("QShortcut", "Ctrl"),
    QT_TRANSLATE_NOOP("QShortcut", "Shift"),
    QT_TRANSLATE_NOOP("QShortcut", "Space"),
    QT_TRANSLATE_NOOP("QShortcut", "Return"),
    QT_TRANSLATE_NOOP("QShortcut", "Enter"),
    QT_TRANSLATE_NOOP("QShortcut", "Backspace"),
    QT_TRANSLATE_NOOP("QShortcut", "Menu"),
    QT_TRANSLATE_NOOP("QShortcut", "Left"),
    QT_TRANSLATE_NOOP("QShortcut", "Right"),
    QT_TRANSLATE_NOOP("QShortcut", "Up"),
    QT_TRANSLATE_NOOP("QShortcut", "Down"),
    QT_TRANSLATE_NOOP("QAccessibleActionInterface", "Press"),
    QT_TRANSLATE_NOOP("QAccessibleActionInterface", "SetFocus"),
    QT_TRANSLATE_NOOP("QAccessibleActionInterface", "Triggers the action"),
    QT_TRANSLATE_NOOP("QAccessibleActionInterface", "Sets the focus"),
};

} // namespace

} // namespace tumbaro
