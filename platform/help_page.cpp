#include "platform/help_page.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tumbaro {

void OpenHelpPage()
{
    // Handing a missing page to the desktop would bring up the browser's or
    // the opener's own error; the game stays silent instead.
    const QFileInfo page(QDir::current().absoluteFilePath(QStringLiteral("Help/Vendrask.html")));
    if (!page.isFile()) return;
    // The desktop opener is started as a detached process, so this does not
    // wait for the browser.
    QDesktopServices::openUrl(QUrl::fromLocalFile(page.absoluteFilePath()));
}

} // namespace tumbaro
