#include "platform/help_page.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tumbaro {

void OpenHelpPage()
{
    // Handing a missing page to the desktop would bring up the browser's or
    // the opener's own error; the game stays silent instead.
    // The page in the player's language where there is one: its name is
    // translated with the game's texts ("Help/Vendrask.de.html").
    const QString english = QStringLiteral("Help/Vendrask.html");
    QFileInfo page(QDir::current().absoluteFilePath(QCoreApplication::translate("HelpPage", "Help/Vendrask.html")));
    if (!page.isFile()) page = QFileInfo(QDir::current().absoluteFilePath(english));
    if (!page.isFile()) return;
    // The desktop opener is started as a detached process, so this does not
    // wait for the browser.
    QDesktopServices::openUrl(QUrl::fromLocalFile(page.absoluteFilePath()));
}

} // namespace tumbaro
