// The swap sound and the question beep must reach a real sound server, keep
// one stream each however often they are played, follow "CHANGE.WAV" as it
// comes and goes, and never hold up the window when no server answers.

#include "platform/question_beep.h"
#include "platform/swap_sound.h"
#include "pulse_server.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

using namespace tumbaro;

namespace {

// Far above what a play costs, far below what waiting on a server would.
constexpr qint64 QuickBound = 2000;

// Runs in a scratch working folder, as the game runs in its own.
struct InFolder : QTemporaryDir {
    InFolder() { QDir::setCurrent(path()); }
    ~InFolder() { QDir::setCurrent(QDir::tempPath()); }
    QString Path(const char* name) const { return filePath(QString::fromLatin1(name)); }
};

QSet<QString> StreamNumbers(const PulseServer& server)
{
    QSet<QString> numbers;
    for (const QString& line : server.Pactl({"list", "short", "sink-inputs"}).split('\n', Qt::SkipEmptyParts))
        numbers << line.section('\t', 0, 0);
    return numbers;
}

// Plays and waits until the sink plays exactly `names`, each in a stream that
// was not there before: the plays since were all cut off but the last of each.
::testing::AssertionResult PlaysAfresh(const PulseServer& server, const std::function<void()>& play, const QStringList& names)
{
    const QSet<QString> before = StreamNumbers(server);
    play();
    if (WaitFor([&] { return server.Streams() == names && !StreamNumbers(server).intersects(before); }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << server.Streams().join(", ").toStdString();
}

} // namespace

TEST(Sounds, ReachTheServerOnceItAnswersOneStreamEachFollowingTheSwapFile)
{
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty()) GTEST_SKIP() << "pulseaudio is not installed";
    InFolder folder;
    ASSERT_TRUE(QFile::copy(ShippedSwapSound, folder.Path("CHANGE.WAV")));
    PulseServer server;
    SwapSound swap;
    QuestionBeep beep;
    swap.Play(); // no server yet: silence, and the next play tries again
    beep.Play();
    ASSERT_TRUE(server.Start());
    // A suspended sink holds every stream it is given, so each can be seen.
    server.Pactl({"suspend-sink", "tumbaro_test", "1"});

    const QStringList withFile{"CHANGE.WAV", "question.wav"}, withDefault{"default.wav", "question.wav"};
    const auto playBoth = [&] { swap.Play(); beep.Play(); };
    ASSERT_TRUE(PlaysAfresh(server, playBoth, withFile));
    // Plays that come quicker than the server makes streams, some cutting
    // off a stream it has not made yet: none of them may linger.
    EXPECT_TRUE(PlaysAfresh(server, [&] {
        for (int gap = 0; gap <= 1500; gap += 25) {
            playBoth();
            std::this_thread::sleep_for(std::chrono::microseconds(gap));
        }
    }, withFile));

    // The default sound stands in for a missing file and for a broken one.
    ASSERT_TRUE(QFile::remove(folder.Path("CHANGE.WAV")));
    EXPECT_TRUE(PlaysAfresh(server, playBoth, withDefault));
    QFile broken(folder.Path("CHANGE.WAV"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a sound") > 0);
    broken.close();
    EXPECT_TRUE(PlaysAfresh(server, playBoth, withDefault));
    ASSERT_TRUE(broken.remove() && QFile::copy(ShippedSwapSound, folder.Path("CHANGE.WAV")));
    EXPECT_TRUE(PlaysAfresh(server, playBoth, withFile));

    // Played out, every stream is closed.
    server.Pactl({"suspend-sink", "tumbaro_test", "0"});
    EXPECT_TRUE(WaitFor([&] { return server.Streams().isEmpty(); })) << server.Streams().join(", ").toStdString();
}

TEST(Sounds, WithoutAnAnsweringServerStaySilentAndNeverWait)
{
    InFolder folder;
    setenv("PULSE_COOKIE", folder.Path("cookie").toLocal8Bit().constData(), 1);
    // First nothing at the address; then a socket that takes the connection
    // and never says a word, as a stuck server does.
    const QString silent = folder.Path("silent");
    QLocalServer listener;
    ASSERT_TRUE(listener.listen(silent));

    // What the player says, if anything, goes to standard error.
    ::testing::internal::CaptureStderr();
    for (const QString& server : {folder.Path("nothing"), silent}) {
        setenv("PULSE_SERVER", ("unix:" + server).toLocal8Bit().constData(), 1);
        QElapsedTimer clock;
        clock.start();
        {
            SwapSound swap;
            QuestionBeep beep;
            for (int i = 0; i < 20; ++i) {
                swap.Play();
                beep.Play();
            }
            if (server == silent) {
                EXPECT_TRUE(listener.waitForNewConnection(10000)) << "the player never called";
                swap.Play();
            }
        } // and ending them must not wait for the server either
        EXPECT_LT(clock.elapsed(), QuickBound) << server.toStdString();
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "a silent game says nothing";
}

// Where no sound server can be found, its client library is never loaded,
// until something stands where the library looks for a server's socket.
TEST(Sounds, WhereNoServerCanBeFoundItsLibraryStaysUnloaded)
{
    InFolder folder;
    for (const char* name : {"PULSE_SERVER", "PULSE_RUNTIME_PATH", "PULSE_CLIENTCONFIG", "DISPLAY"})
        unsetenv(name);
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
        setenv(name, folder.Path("").toLocal8Bit().constData(), 1);
    const auto loaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libpulse");
    };
    ASSERT_FALSE(loaded());
    QuestionBeep beep;
    beep.Play();
    EXPECT_FALSE(loaded());

    ASSERT_TRUE(QDir().mkpath(folder.Path("pulse")));
    QFile socket(folder.Path("pulse/native"));
    ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    beep.Play();
    EXPECT_TRUE(loaded());
}
