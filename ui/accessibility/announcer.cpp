#include "ui/accessibility/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QWidget>

namespace tumbaro {

namespace {

// A control that draws nothing and takes no input, seen by a screen reader
// with the role given.
class Silent : public QWidget {
    Q_OBJECT
public:
    Silent(QWidget* parent, QAccessible::Role role, const char* name) : QWidget(parent), role_(role)
    {
        setObjectName(QString::fromLatin1(name));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
    }
    QAccessible::Role Role() const { return role_; }

private:
    QAccessible::Role role_;
};

QAccessibleInterface* SilentFactory(const QString&, QObject* object)
{
    if (auto* silent = qobject_cast<Silent*>(object))
        return new QAccessibleWidget(silent, silent->Role());
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* window) : QObject(window)
{
    setObjectName(QStringLiteral("Announcer"));
    static const bool installed = [] {
        QAccessible::installFactory(SilentFactory);
        return true;
    }();
    (void)installed;
    // A notification inside a status bar is spoken as its text alone, not
    // announced as a notification each time.
    auto* bar = new Silent(window, QAccessible::StatusBar, "Announcements");
    bar->setAccessibleName(QCoreApplication::translate("Accessibility", "What the last move did"));
    note_ = new Silent(bar, QAccessible::Notification, "Announcement");
    // Under every other control, where nothing could show even if it drew.
    bar->lower();
}

void Announcer::Say(const QString& text)
{
    note_->setAccessibleName(text);
    QAccessibleEvent event(note_, QAccessible::ObjectShow);
    // Qt passes it on only while a screen reader listens.
    QAccessible::updateAccessibility(&event);
    emit Said(text);
}

} // namespace tumbaro

#include "announcer.moc"
