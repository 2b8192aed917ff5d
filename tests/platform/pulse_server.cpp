#include "pulse_server.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cstdlib>

namespace {

const QString Sink = "tumbaro_test";
constexpr int CommandBound = 10000;

} // namespace

PulseServer::PulseServer()
{
    QDir(folder_.path()).mkpath("home");
    QDir(folder_.path()).mkpath("runtime");
    QFile::setPermissions(Path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const char* name : {"HOME", "XDG_CONFIG_HOME"}) environment_.insert(name, Path("home"));
    environment_.insert("XDG_RUNTIME_DIR", Path("runtime"));
    environment_.insert("PULSE_SERVER", "unix:" + Path("native"));
    setenv("PULSE_SERVER", qPrintable(environment_.value("PULSE_SERVER")), 1);
    // A client makes itself a cookie where none is found; this server asks
    // for none, and the tester's home keeps no trace.
    setenv("PULSE_COOKIE", qPrintable(Path("cookie")), 1);
}

PulseServer::~PulseServer()
{
    server_.terminate();
    if (!server_.waitForFinished(CommandBound)) server_.kill();
    server_.waitForFinished(CommandBound);
}

bool PulseServer::Start()
{
    server_.setProcessEnvironment(environment_);
    server_.setProcessChannelMode(QProcess::MergedChannels);
    server_.setStandardOutputFile(Path("server.log"));
    server_.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--log-target=stderr",
                                 "-L", "module-null-sink sink_name=" + Sink,
                                 "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + Path("native")});
    return server_.waitForStarted(CommandBound) && WaitFor([this] {
        return server_.state() == QProcess::NotRunning || !Pactl({"info"}).isEmpty();
    }) && server_.state() == QProcess::Running;
}

QString PulseServer::Pactl(const QStringList& arguments) const
{
    QProcess pactl;
    pactl.setProcessEnvironment(environment_);
    pactl.start("pactl", arguments);
    if (!pactl.waitForFinished(CommandBound) || pactl.exitCode() != 0) return {};
    return QString::fromUtf8(pactl.readAllStandardOutput());
}

QStringList PulseServer::Streams() const
{
    static const QRegularExpression name("media\\.name = \"([^\"]*)\"");
    QStringList names;
    for (const auto& match : name.globalMatch(Pactl({"list", "sink-inputs"}))) names << match.captured(1);
    names.sort();
    return names;
}
