// M in the window: the note, silence for both sounds, the choice kept over a
// restart, and a store that can't be written.

#include "window_fixture.h"

#include "platform/question_beep.h"
#include "platform/swap_sound.h"
#include "ui/sound_switch.h"

#include <QLabel>

namespace tumbaro::test {
namespace {

class Sound : public WindowTest {
protected:
    bool On() { return window->findChild<SoundSwitch*>(QStringLiteral("SoundSwitch"))->On(); }
    QString Note() { return window->findChild<QLabel*>(QStringLiteral("SoundNote"))->text(); }
    // Whether a refused pair and a move made a sound: a sound's player is
    // made when it first plays.
    std::pair<bool, bool> SoundsOfAMove()
    {
        SetBoard(OneMove);
        ClickCell(11);
        ClickCell(33);
        PlayOneMove();
        return {!window->findChild<SwapSound*>()->children().isEmpty(),
                !window->findChild<QuestionBeep*>()->children().isEmpty()};
    }
};

TEST_F(Sound, MSilencesBothSoundsAndIsRememberedUnlessTheStoreRefuses)
{
    Start();
    ASSERT_TRUE(On()) << "on with nothing stored";
    Key(Qt::Key_M);
    EXPECT_EQ(Note(), "Sound off");
    EXPECT_EQ(SoundsOfAMove(), std::make_pair(false, false));

    Restart();
    EXPECT_FALSE(On()) << "a new run starts silent";
    Key(Qt::Key_M);
    EXPECT_EQ(Note(), "Sound on");
    EXPECT_EQ(SoundsOfAMove(), std::make_pair(true, true));

    // A read-only store: the choice holds for this run, silently.
    QFile::setPermissions(QString::fromStdString(folder.SettingsFile().string()), QFile::ReadOwner);
    ModalWatcher watcher;
    Key(Qt::Key_M);
    QTest::qWait(20);
    EXPECT_FALSE(On());
    EXPECT_TRUE(watcher.boxes.empty());
    Restart();
    EXPECT_TRUE(On()) << "the refused choice was not stored";
    QFile::setPermissions(QString::fromStdString(folder.SettingsFile().string()), QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace
} // namespace tumbaro::test
