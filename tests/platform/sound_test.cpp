// The swap sound and the question beep must never hold up the animation, must
// follow "CHANGE.WAV" as it comes and goes, and must not gather players.

#include "platform/question_beep.h"
#include "platform/swap_sound.h"
#include "wav_file.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>

namespace tumbaro {
namespace {

constexpr qint64 MaxPlayMilliseconds = 50;

// Lets sound loading finish on the event loop, as it would between timer ticks.
void LetEventsRun()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 30) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

QStringList SourcesOf(const QObject& owner)
{
    QStringList sources;
    for (const QSoundEffect* effect : owner.findChildren<QSoundEffect*>()) sources << effect->source().toString();
    return sources;
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QString SwapFile() const { return folder_.filePath(QStringLiteral("CHANGE.WAV")); }

    QTemporaryDir folder_;
    QString previous_;
};

// Plays once and returns how long the call took.
template <typename Sound>
qint64 TimedPlay(Sound& sound)
{
    QElapsedTimer timer;
    timer.start();
    sound.Play();
    return timer.elapsed();
}

TEST_F(SoundTest, MakingTheSoundsStartsNoPlayerYet)
{
    SwapSound swap;
    QuestionBeep beep;
    EXPECT_TRUE(swap.findChildren<QSoundEffect*>().isEmpty());
    EXPECT_TRUE(beep.findChildren<QSoundEffect*>().isEmpty());
}

TEST_F(SoundTest, SwapSoundFollowsTheFileAsItComesAndGoes)
{
    SwapSound swap;
    const QString fallback = QStringLiteral("qrc:/sounds/default.wav");

    swap.Play();
    EXPECT_EQ(SourcesOf(swap), QStringList{fallback});

    ASSERT_TRUE(test::WriteWav(SwapFile(), 100));
    swap.Play();
    EXPECT_TRUE(SourcesOf(swap).contains(QUrl::fromLocalFile(SwapFile()).toString()));

    // Another working folder brings its own file.
    QTemporaryDir other;
    ASSERT_TRUE(test::WriteWav(other.filePath(QStringLiteral("CHANGE.WAV")), 100));
    QDir::setCurrent(other.path());
    swap.Play();
    EXPECT_TRUE(SourcesOf(swap).contains(QUrl::fromLocalFile(other.filePath(QStringLiteral("CHANGE.WAV"))).toString()));
    EXPECT_EQ(swap.findChildren<QSoundEffect*>().size(), 2);
}

TEST_F(SoundTest, AnUnplayableFileGivesTheDefaultSound)
{
    SwapSound swap;
    // Handed to the player, a file like this one stays "loading" for good and
    // then holds up every later change of sound and the program's exit.
    QFile broken(SwapFile());
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a sound");
    broken.close();
    swap.Play();
    LetEventsRun();
    EXPECT_EQ(SourcesOf(swap), QStringList{QStringLiteral("qrc:/sounds/default.wav")});

    ASSERT_TRUE(QFile::remove(SwapFile()));
    ASSERT_TRUE(test::WriteWav(SwapFile(), 100));
    swap.Play();
    LetEventsRun();
    EXPECT_TRUE(SourcesOf(swap).contains(QUrl::fromLocalFile(SwapFile()).toString()));
}

TEST_F(SoundTest, ManyPlaysReturnAtOnceAndKeepOnePlayerPerSource)
{
    SwapSound swap;
    QuestionBeep beep;
    for (int i = 0; i < 40; ++i) {
        if (i % 10 == 0) {
            ASSERT_TRUE(i % 20 == 0 ? test::WriteWav(SwapFile(), 50) : QFile::remove(SwapFile()));
        }
        EXPECT_LT(TimedPlay(swap), MaxPlayMilliseconds);
        EXPECT_LT(TimedPlay(beep), MaxPlayMilliseconds);
        if (i % 8 == 0) LetEventsRun();
    }
    LetEventsRun();
    EXPECT_EQ(swap.findChildren<QSoundEffect*>().size(), 2);
    EXPECT_EQ(SourcesOf(beep), QStringList{QStringLiteral("qrc:/sounds/question.wav")});
}

} // namespace
} // namespace tumbaro
