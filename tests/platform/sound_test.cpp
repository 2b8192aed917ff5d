// The swap sound and the question beep must never hold up the animation, must
// follow "CHANGE.WAV" as it comes and goes, and must not gather players.

#include "platform/question_beep.h"
#include "platform/swap_sound.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

using namespace tumbaro;

static QStringList SourcesOf(const QObject& owner)
{
    QStringList sources;
    for (const QSoundEffect* effect : owner.findChildren<QSoundEffect*>()) sources << effect->source().toString();
    return sources;
}

TEST(Sounds, FollowTheSwapFileNeverWaitAndKeepOnePlayerPerSource)
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath(), swapFile = QStringLiteral("CHANGE.WAV");
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    SwapSound swap;
    QuestionBeep beep;
    // A play returns without running the event loop (a zero timer armed
    // before it has not fired; a play that hangs on a stuck player ends the
    // test at its time limit). Settling lets loading finish, as between ticks.
    const auto play = [&](bool settle = true) {
        const auto loopRan = std::make_shared<bool>(false);
        QTimer::singleShot(0, [loopRan] { *loopRan = true; });
        swap.Play();
        beep.Play();
        EXPECT_FALSE(*loopRan) << "a play must never wait";
        QElapsedTimer bound;
        bound.start();
        const auto loading = [](const QObject& owner) {
            for (const QSoundEffect* effect : owner.findChildren<QSoundEffect*>())
                if (effect->status() == QSoundEffect::Loading) return true;
            return false;
        };
        while (settle && (loading(swap) || loading(beep)) && bound.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
        return SourcesOf(swap);
    };
    const QStringList fallback{QStringLiteral("qrc:/sounds/default.wav")};
    EXPECT_EQ(play(), fallback);
    // Handed to the player, a file like this one stays "loading" for good and
    // then holds up every later change of sound and the program's exit.
    QFile broken(swapFile);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a sound") > 0);
    broken.close();
    EXPECT_EQ(play(), fallback);
    ASSERT_TRUE(broken.remove() && QFile::copy(ShippedSwapSound, swapFile));
    EXPECT_TRUE(play().contains(QUrl::fromLocalFile(folder.filePath(swapFile)).toString()));
    for (int i = 1; i < 40; ++i) {
        if (i % 10 == 0) {
            ASSERT_TRUE(i % 20 ? QFile::remove(swapFile) : QFile::copy(ShippedSwapSound, swapFile));
        }
        play(i % 8 == 0);
    }
    play();
    EXPECT_EQ(swap.findChildren<QSoundEffect*>().size(), 2);
    EXPECT_EQ(SourcesOf(beep), QStringList{QStringLiteral("qrc:/sounds/question.wav")});
    QDir::setCurrent(previous);
}
