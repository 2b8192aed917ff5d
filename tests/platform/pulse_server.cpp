#include "pulse_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <cstdlib>

namespace {

const char SinkName[] = "tumbaro_test";
constexpr int CommandBound = 10000;
// A sample of 16-bit audio this far from zero is sound, not rounding noise.
constexpr int Audible = 64;

} // namespace

bool PulseServer::Installed()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty();
}

PulseServer::PulseServer()
{
    QDir(folder_.path()).mkpath(QStringLiteral("home"));
    QDir(folder_.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(folder_.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

PulseServer::~PulseServer()
{
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(CommandBound)) server_.kill();
        server_.waitForFinished(CommandBound);
    }
}

QProcessEnvironment PulseServer::Environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), folder_.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder_.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("PULSE_SERVER"), Address());
    return environment;
}

bool PulseServer::Start()
{
    const QString script = folder_.filePath(QStringLiteral("server.pa"));
    QFile file(script);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // Without rewinds a sound that starts while the sink has already mixed
    // ahead is mixed in after that, not into what its monitor has passed on.
    file.write(QStringLiteral("load-module module-null-sink sink_name=%1 norewinds=1\n"
                              "load-module module-native-protocol-unix socket=%2 auth-anonymous=1\n"
                              "set-default-sink %1\n")
                   .arg(QLatin1String(SinkName), folder_.filePath(QStringLiteral("native")))
                   .toUtf8());
    file.close();
    server_.setProcessEnvironment(Environment());
    server_.setProcessChannelMode(QProcess::MergedChannels);
    server_.setStandardOutputFile(folder_.filePath(QStringLiteral("server.log")));
    server_.start(QStringLiteral("pulseaudio"),
                  {QStringLiteral("-n"), QStringLiteral("-F"), script, QStringLiteral("--daemonize=no"),
                   QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                   QStringLiteral("--log-target=stderr")});
    if (!server_.waitForStarted(CommandBound)) return false;
    return WaitFor([this] {
        return server_.state() == QProcess::NotRunning || !Pactl({QStringLiteral("info")}).isEmpty();
    }) && server_.state() == QProcess::Running;
}

void PulseServer::PointClientsHere() const
{
    setenv("PULSE_SERVER", Address().toLocal8Bit().constData(), 1);
    // A client makes itself a cookie where none is found; this server asks
    // for none, and the tester's home keeps no trace.
    setenv("PULSE_COOKIE", folder_.filePath(QStringLiteral("cookie")).toLocal8Bit().constData(), 1);
}

QString PulseServer::Pactl(const QStringList& arguments) const
{
    QProcess pactl;
    pactl.setProcessEnvironment(Environment());
    pactl.start(QStringLiteral("pactl"), arguments);
    if (!pactl.waitForFinished(CommandBound) || pactl.exitCode() != 0) return {};
    return QString::fromUtf8(pactl.readAllStandardOutput());
}

QStringList PulseServer::Streams() const
{
    static const QRegularExpression name(QStringLiteral("media\\.name = \"([^\"]*)\""));
    QStringList names;
    for (const auto& match : name.globalMatch(Pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")})))
        names << match.captured(1);
    names.sort();
    return names;
}

void PulseServer::Suspend(bool suspended) const
{
    Pactl({QStringLiteral("suspend-sink"), QLatin1String(SinkName), suspended ? QStringLiteral("1") : QStringLiteral("0")});
}

bool PulseServer::Hears(const std::function<void()>& play) const
{
    QProcess recorder;
    recorder.setProcessEnvironment(Environment());
    recorder.start(QStringLiteral("parec"), {QStringLiteral("--latency-msec=20"), QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                                             QStringLiteral("--channels=1"), QStringLiteral("-d"),
                                             QLatin1String(SinkName) + QStringLiteral(".monitor")});
    // Played before the recorder listens, the sound would go unheard.
    const auto recording = [this] {
        return Pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("source-outputs")})
            .contains(QStringLiteral("protocol-native"));
    };
    const bool listening = WaitFor(recording);
    bool heard = false;
    if (listening) {
        play();
        QByteArray odd; // a sample split between two reads
        heard = WaitFor([&] {
            const QByteArray bytes = odd + recorder.readAllStandardOutput();
            for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
                const auto sample = static_cast<qint16>(static_cast<quint8>(bytes[i]) | static_cast<quint8>(bytes[i + 1]) << 8);
                if (std::abs(sample) > Audible) return true;
            }
            odd = bytes.size() % 2 ? bytes.right(1) : QByteArray();
            return false;
        });
    }
    recorder.kill();
    recorder.waitForFinished(CommandBound);
    // The next recorder must not be taken for this one.
    WaitFor([&] { return !recording(); });
    return heard;
}

bool WaitFor(const std::function<bool()>& done, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(10);
    }
    return true;
}
