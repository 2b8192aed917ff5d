// M in the window: the note, silence for both sounds, the choice kept over a
// restart, and a store that can't be written.

#include "window_fixture.h"

#include "platform/question_beep.h"
#include "platform/registry_store.h"
#include "platform/swap_sound.h"
#include "ui/scheme_setting.h"
#include "ui/sound_switch.h"

#include <QLabel>

namespace tumbaro::test {
namespace {

const std::array<const char*, 8> OneMove = {"--------", "--------", "--------", "--6676--",
                                           "--------", "--------", "--------", "--------"};

class Sound : public WindowTest {
protected:
    SoundSwitch* Switch() { return window->findChild<SoundSwitch*>(QStringLiteral("SoundSwitch")); }
    QLabel* Note() { return window->findChild<QLabel*>(QStringLiteral("SoundNote")); }
    void M() { QTest::keyClick(window->windowHandle(), Qt::Key_M); }
    // A sound has been played once its player exists.
    bool Played(const QObject* sound) { return !sound->children().isEmpty(); }
    std::string Stored()
    {
        Registry registry(folder.SettingsFile());
        return registry.OpenKeyForReading(SchemeKey) ? registry.ReadString("Sound") : "(no key)";
    }
    // A refused pair, then a whole accepted move.
    void PlayRefusedPairAndMove()
    {
        SetBoard(Overlay(OneMove));
        ClickCell(11);
        ClickCell(33);
        ClickCell(45);
        ClickCell(46);
        while (window->GameLogic().Tick()) {
        }
    }
};

TEST_F(Sound, MSilencesBothSoundsSaysSoAndIsRememberedOverARestart)
{
    Start();
    ASSERT_TRUE(Switch()->On()) << "on with nothing stored";
    M();
    EXPECT_FALSE(Switch()->On());
    EXPECT_EQ(Stored(), "0");
    ASSERT_TRUE(Note()->isVisible());
    EXPECT_EQ(Note()->text(), "Sound off");
    const QRect board(CellPosition(1, 1), CellPosition(8, 8) + QPoint(49, 49));
    const QRect table(576, 48, 193, 433);
    EXPECT_FALSE(Note()->geometry().intersects(board));
    EXPECT_FALSE(Note()->geometry().intersects(table));
    auto* noteTimer = Switch()->findChild<QTimer*>();
    EXPECT_EQ(noteTimer->interval(), 1500);
    QMetaObject::invokeMethod(noteTimer, "timeout");
    EXPECT_FALSE(Note()->isVisible());

    PlayRefusedPairAndMove();
    EXPECT_EQ(State().Score, 15) << "the move was played";
    EXPECT_FALSE(Played(window->findChild<SwapSound*>())) << "no swap sound";
    EXPECT_FALSE(Played(window->findChild<QuestionBeep*>())) << "no beep";

    // A new run starts silent, and M brings both sounds back.
    dialog.reset();
    window.reset();
    Start();
    EXPECT_FALSE(Switch()->On());
    M();
    EXPECT_TRUE(Switch()->On());
    EXPECT_EQ(Note()->text(), "Sound on");
    EXPECT_EQ(Stored(), "1");
    PlayRefusedPairAndMove();
    EXPECT_TRUE(Played(window->findChild<SwapSound*>()));
    EXPECT_TRUE(Played(window->findChild<QuestionBeep*>()));
}

TEST_F(Sound, AStoreThatCantBeWrittenKeepsTheChoiceForThisRunWithoutAMessage)
{
    Start();
    const QString store = QString::fromStdString(folder.SettingsFile().string());
    ASSERT_TRUE(QFile::exists(store)) << "the first start made the store";
    QFile::setPermissions(store, QFile::ReadOwner);
    ModalWatcher watcher;
    M();
    QTest::qWait(20);
    EXPECT_FALSE(Switch()->On());
    EXPECT_EQ(Note()->text(), "Sound off");
    EXPECT_TRUE(watcher.boxes.empty());
    EXPECT_EQ(Stored(), "");
    QFile::setPermissions(store, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace
} // namespace tumbaro::test
