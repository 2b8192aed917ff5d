#include "ui/settings/desktop_motion.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QFileInfo>

namespace tumbaro {

namespace {

// The portal's Read answers a variant, which some versions wrap once more.
QVariant Unwrapped(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

bool SessionBusKnown()
{
    // Without an address libdbus would try to start a bus of its own.
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

} // namespace

void AskDesktopForMotion(QObject* context, std::function<void()> animationsOff)
{
    if (!SessionBusKnown())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage read = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("Read"));
    read << QStringLiteral("org.gnome.desktop.interface") << QStringLiteral("enable-animations");
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [animationsOff = std::move(animationsOff)](QDBusPendingCallWatcher* call) {
                         call->deleteLater();
                         const QDBusPendingReply<QDBusVariant> reply = *call;
                         if (reply.isError())
                             return;
                         const QVariant value = Unwrapped(reply.value().variant());
                         if (value.typeId() == QMetaType::Bool && !value.toBool())
                             animationsOff();
                     });
}

} // namespace tumbaro
