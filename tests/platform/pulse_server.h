#pragma once
// A private sound server for one test: pulseaudio with a single null sink,
// its socket, home and runtime folder in a scratch folder, and pactl to look
// at what reaches it. Nothing of the user's own sound setup is
// touched, and sound clients made after it reach this server.

#include <QProcess>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>

class PulseServer {
public:
    PulseServer();
    ~PulseServer();
    // True once the server answers.
    bool Start();
    // pactl's output against this server, empty when it fails.
    QString Pactl(const QStringList& arguments) const;
    // The stream names (media.name) of what plays on the sink, sorted.
    QStringList Streams() const;

private:
    QString Path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder_;
    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
    QProcess server_;
};

// Waits, with the event loop running, until `done` or the bound passes.
template <class Done> bool WaitFor(Done done) { return QTest::qWaitFor(done, 20000); }
