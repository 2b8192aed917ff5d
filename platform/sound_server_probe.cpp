#include "platform/sound_server_probe.h"

#include "files/read_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace tumbaro {

namespace {

bool Set(const char* name)
{
    return !qEnvironmentVariableIsEmpty(name);
}

// A configuration that names a server, or lets the library look for one on
// this host or on the display's, may lead to one; so may one that is there
// but can't be read as a plain file of sane size.
bool NamesAServer(const QString& path)
{
    const std::filesystem::path file = QFile::encodeName(path).toStdString();
    const auto bytes = ReadFileBytes(file);
    if (!bytes)
        return KindOf(file) != FileKind::Missing;
    for (const QByteArray& raw : QByteArray::fromStdString(*bytes).split('\n')) {
        const QByteArray line = raw.trimmed();
        for (const char* key : {"default-server", "auto-connect-localhost", "auto-connect-display"})
            if (line.startsWith(key))
                return true;
    }
    return false;
}

bool ConfigurationNamesAServer()
{
    const QString configHome =
        Set("XDG_CONFIG_HOME") ? qEnvironmentVariable("XDG_CONFIG_HOME") : QDir::homePath() + QStringLiteral("/.config");
    QStringList files{configHome + QStringLiteral("/pulse/client.conf"), QDir::homePath() + QStringLiteral("/.pulse/client.conf"),
                      QStringLiteral("/etc/pulse/client.conf")};
    for (const QString& folder : {configHome + QStringLiteral("/pulse/client.conf.d"), QStringLiteral("/etc/pulse/client.conf.d")})
        for (const QFileInfo& file : QDir(folder).entryInfoList({QStringLiteral("*.conf")}, QDir::Files))
            files << file.filePath();
    for (const QString& file : files)
        if (NamesAServer(file))
            return true;
    return false;
}

// A server publishes itself on the root window of the display it serves.
bool DisplayNamesAServer()
{
    if (!Set("DISPLAY"))
        return false;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11)
        return true; // a display the window doesn't draw on: it can't be asked here
    xcb_connection_t* connection = x11->connection();
    static constexpr char Name[] = "PULSE_SERVER";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof Name - 1, Name), nullptr), &std::free);
    if (!atom)
        return true;
    if (atom->atom == XCB_ATOM_NONE)
        return false; // never named on this display, so on no root window
    for (auto root = xcb_setup_roots_iterator(xcb_get_setup(connection)); root.rem; xcb_screen_next(&root)) {
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
            xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, root.data->root, atom->atom, XCB_ATOM_STRING, 0, 256),
                                   nullptr),
            &std::free);
        if (!property || xcb_get_property_value_length(property.get()) > 0)
            return true;
    }
    return false;
}

} // namespace

bool SoundServerMayAnswer()
{
    // A server named outright, or a runtime folder the library would guess
    // at, may well answer.
    if (Set("PULSE_SERVER") || Set("PULSE_RUNTIME_PATH") || Set("PULSE_CLIENTCONFIG") || !Set("XDG_RUNTIME_DIR"))
        return true;
    for (const QString& socket : {qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/pulse/native"),
                                  QStringLiteral("/run/pulse/native"), QStringLiteral("/var/run/pulse/native")})
        if (QFileInfo::exists(socket))
            return true;
    return ConfigurationNamesAServer() || DisplayNamesAServer();
}

} // namespace tumbaro
