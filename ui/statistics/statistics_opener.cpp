#include "ui/statistics/statistics_opener.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <dlfcn.h>

namespace tumbaro {

namespace {

using OpenWindow = QWidget* (*)(const char*, QWidget*);

OpenWindow LoadModule()
{
    // Beside the program, as the sound module; programs inside the build tree
    // (tests) also find it where the build put it.
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList folders{programDir};
    if (programDir.startsWith(QStringLiteral(TUMBARO_BUILD_DIR "/")))
        folders << QStringLiteral(TUMBARO_STATISTICS_MODULE_DIR);
    for (const QString& folder : folders) {
        // Kept loaded: Qt keeps pointers into it (the window's type, the
        // chart's plugins) for the rest of the run.
        const QByteArray path = QFile::encodeName(folder + QStringLiteral("/libtumbaro-statistics.so"));
        if (void* module = ::dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {
            if (auto open = reinterpret_cast<OpenWindow>(::dlsym(module, "TumbaroOpenStatistics")))
                return open;
        }
    }
    return nullptr;
}

} // namespace

QWidget* OpenStatisticsWindow(const QString& logPath, QWidget* parent)
{
    static QPointer<QWidget> window;
    if (window) {
        window->raise();
        window->activateWindow();
        return window;
    }
    static const OpenWindow open = LoadModule();
    if (!open)
        return nullptr;
    window = open(QFile::encodeName(logPath).constData(), parent);
    return window;
}

} // namespace tumbaro
