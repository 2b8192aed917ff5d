#pragma once
// Support for window tests: a scratch working folder holding the game's
// run-time files, a watcher that answers message boxes and the name dialog
// as a player would, and waiting on the real event loop.

#include <QDir>
#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <vector>

namespace tumbaro::test {

// A temporary folder made the current one, with b1..b3.jpg, CHANGE.WAV,
// H.dat, H2.dat and the help page copied in; the settings store lives in it too.
class WorkFolder {
public:
    WorkFolder();
    ~WorkFolder();
    QString Path(const QString& name) const { return dir_.filePath(name); }
    std::filesystem::path SettingsFile() const { return Path(QStringLiteral("settings/registry")).toStdString(); }
    QByteArray Read(const QString& name) const;
    void Write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Answers every modal window that opens while it lives: message boxes with
// `answer`, the name dialog by typing `name` and pressing OK.
class ModalWatcher : public QObject {
public:
    struct Seen {
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };
    ModalWatcher();
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QString name;
    bool typeName = true; // false leaves the name box to the test
    std::vector<Seen> boxes;
    int dialogs = 0;

private:
    void Look();
    QTimer timer_;
};

// Runs the event loop until `done` holds or `ms` pass; returns done().
bool WaitUntil(const std::function<bool()>& done, int ms = 10000);

} // namespace tumbaro::test
