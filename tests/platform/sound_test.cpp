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

using namespace tumbaro;

static QStringList SourcesOf(const QObject& owner)
{
    QStringList sources;
    for (const QSoundEffect* effect : owner.findChildren<QSoundEffect*>()) sources << effect->source().toString();
    return sources;
}

TEST(Sounds, FollowTheSwapFileNeverWaitAndKeepOnePlayerPerSource)
{
    QTemporaryDir folder, other;
    const QString previous = QDir::currentPath(), swapFile = QStringLiteral("CHANGE.WAV");
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    SwapSound swap;
    QuestionBeep beep;
    EXPECT_TRUE(swap.findChildren<QSoundEffect*>().isEmpty()) << "no player before the first play";
    // Plays both and, when settling, lets loading finish as between timer ticks.
    const auto play = [&](bool settle = true) {
        QElapsedTimer timer;
        timer.start();
        swap.Play();
        beep.Play();
        EXPECT_LT(timer.elapsed(), 100) << "a play must never wait";
        while (settle && timer.elapsed() < 30) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
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
    for (const QTemporaryDir* working : {&folder, &other}) { // each working folder brings its own file
        ASSERT_TRUE(QDir::setCurrent(working->path()) && (!broken.exists() || broken.remove()));
        ASSERT_TRUE(QFile::copy(ShippedSwapSound, swapFile));
        EXPECT_TRUE(play().contains(QUrl::fromLocalFile(working->filePath(swapFile)).toString()));
    }
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
