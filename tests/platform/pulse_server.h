#pragma once
// A private sound server for one test: pulseaudio with a single null sink,
// its socket, home and runtime folder in a scratch folder, and pactl to look
// at what reaches it. Nothing of the user's own sound setup is touched.

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

class PulseServer {
public:
    static bool Installed();

    // Ready once Start() returns true; the address is known before.
    PulseServer();
    ~PulseServer();
    bool Start();
    QString Address() const { return QStringLiteral("unix:") + folder_.filePath(QStringLiteral("native")); }
    // The environment of a client of this server, whose own files stay in
    // the scratch folder.
    void PointClientsHere() const;

    // pactl's output against this server, empty when it fails.
    QString Pactl(const QStringList& arguments) const;
    // The stream names (media.name) of what plays on the sink, sorted.
    QStringList Streams() const;
    void Suspend(bool suspended) const;
    // Records the sink for as long as it takes `play` to make it sound; false
    // if nothing but silence comes within the bound.
    bool Hears(const std::function<void()>& play) const;

private:
    QProcessEnvironment Environment() const;

    QTemporaryDir folder_;
    QProcess server_;
};

// Waits, with the event loop running, until `done` or the bound passes.
bool WaitFor(const std::function<bool()>& done, int milliseconds = 20000);
