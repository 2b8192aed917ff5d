// The end of a game in the window: names in any script typed into the dialog,
// written to both table files in UTF-8 and read back after a restart, an older
// Latin-1 table read as it always was, and the ends that go wrong.

#include "window_fixture.h"

#include <QDir>
#include <QKeyEvent>
#include <QTimer>

namespace tumbaro::test {
namespace {

const QByteArray Scores = "100\r\n90\r\n80\r\n70\r\n60\r\n50\r\n40\r\n30\r\n20\r\n10\r\n";

class HighScore : public WindowTest {
protected:
    void SetUp() override { folder.Write("H2.dat", Scores); }
    // Ends the game with `score` and waits for the message that follows.
    void End(std::int32_t score)
    {
        const auto seen = watcher.boxes.size();
        EndGame(score);
        ASSERT_TRUE(WaitUntil([&] { return watcher.boxes.size() > seen; }));
    }
    // Types each character as a key press carrying it, as a keyboard in that script would.
    void Type(const QString& text)
    {
        auto* edit = window->Ending().NameDialog()->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        edit->clear();
        for (const uint code : text.toUcs4()) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                            QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1));
            QApplication::sendEvent(edit, &press);
        }
    }
    ModalWatcher watcher;
};

TEST_F(HighScore, CyrillicAndPolishNamesGoThroughBothFilesAndComeBack)
{
    // An old table: Latin-1 bytes, and a lone LF.
    folder.Write("H.dat", "J\xFCrgen\r\nBob\r\nCid\r\nDee\r\nEve\r\nFay\r\nGus\r\nHal\nIda\r\nJon\r\n");
    Start();
    EXPECT_EQ(Find<ListBox>("ListBox1")->Lines()[0], QString::fromUtf8("Jürgen")) << "read as before";
    watcher.typeName = false;
    watcher.answer = QMessageBox::Yes;
    // Names keep eight characters, not eight bytes nor eight UTF-16 units.
    const QString cyrillic = QString::fromUtf8("Дмитрий"), polish = QString::fromUtf8("Łukasz Żółć");
    const QString emoji = QString::fromUtf8("😀😀😀😀😀😀😀😀😀");
    for (const auto& [typed, score] : {std::pair{cyrillic, 95}, {polish, 85}, {emoji, 35}}) {
        Type(typed);
        End(score);
    }
    EXPECT_EQ(folder.Read("H.dat"), "J\xC3\xBCrgen\r\n" + cyrillic.toUtf8() + "\r\nBob\r\n" + polish.left(8).toUtf8()
                                        + "\r\nCid\r\nDee\r\nEve\r\nFay\r\nGus\r\n" + emoji.left(16).toUtf8() + "\r\n");
    EXPECT_EQ(folder.Read("H2.dat"), "100\r\n95\r\n90\r\n85\r\n80\r\n70\r\n60\r\n50\r\n40\r\n35\r\n");
    Restart();
    const QStringList& names = Find<ListBox>("ListBox1")->Lines();
    EXPECT_EQ(names[0], QString::fromUtf8("Jürgen"));
    EXPECT_EQ(names[1], cyrillic);
    EXPECT_EQ(names[3], polish.left(8));
}

// However the wait for the entry ends (a new game dealt, the window closed,
// a kill while the name box is open) the place earned is in the files, and no
// question is left over what follows.
TEST_F(HighScore, TheEndIsReadWithItsScoreAndThePlaceItEarned)
{
    folder.Write("H.dat", "A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\nI\r\nJ\r\n");
    Start();
    watcher.name = QStringLiteral("Zed");
    watcher.answer = QMessageBox::Yes;
    End(85);
    End(5);
    EXPECT_EQ(watcher.read, (QStringList{"New high score: No moves left. Score 85, place 3 in the table.",
                                         "Game over: No moves left. Score 85, place 3 in the table.",
                                         "Game over: No moves left. Score 5."}));
}

TEST_F(HighScore, AnEarnedEntryIsMadeHoweverTheGameIsLeft)
{
    folder.Write("H.dat", "Ann\r\nBo\r\nCy\r\nDi\r\nEd\r\nFlo\r\nGus\r\nHal\r\nIvy\r\nJo\r\n");
    // Ends the game with a place and waits until the name dialog is done with.
    const auto endTheGame = [this](std::int32_t score, const std::function<bool()>& done) {
        EndGame(score);
        ASSERT_TRUE(WaitUntil(done));
    };
    const auto waiting = [this] { return Find<QTimer>(QStringLiteral("Timer3"))->isActive(); };
    const auto names = [this] { return folder.Read("H.dat").split('\r').first(2).join('\r'); };

    Start();
    watcher.name = QStringLiteral("Nina");
    endTheGame(150, waiting); // the second's wait before the entry
    Key(Qt::Key_N);
    EXPECT_EQ(names(), "Nina\r\nAnn");
    EXPECT_FALSE(waiting()) << "no question will follow";
    EXPECT_EQ(State().Score, 0) << "a new deal";
    EXPECT_EQ(Find<ListBox>("ListBox1")->Lines()[0], "Nina");

    watcher.name = QStringLiteral("Cleo");
    endTheGame(160, waiting);
    window->close();
    EXPECT_EQ(names(), "Cleo\r\nNina");

    Restart();
    watcher.name = QStringLiteral("Sig");
    bool ended = false;
    QObject::connect(window.get(), &TTumbaro::Terminated, [&] { ended = true; });
    watcher.insteadOfOk = [this] { window->QuitOnSignal(); };
    endTheGame(170, [&] { return ended; });
    EXPECT_EQ(names(), "Sig\r\nCleo") << "the name as typed so far";
    EXPECT_TRUE(ended);
    EXPECT_TRUE(watcher.boxes.isEmpty()) << "nothing was asked";
}

TEST_F(HighScore, AFailedSaveKeepsTheOldFilesAndTheNewEntryOnScreen)
{
    Start();
    const QByteArray names = folder.Read("H.dat");
    QFile::setPermissions(folder.Path("H.dat"), QFile::ReadOwner);
    watcher.name = QStringLiteral("Zed");
    End(200);
    EXPECT_EQ(watcher.boxes[0], "Cannot create file H.dat.");
    EXPECT_EQ(folder.Read("H.dat"), names);
    EXPECT_EQ(folder.Read("H2.dat"), Scores) << "H2.dat is not written after H.dat failed";
    EXPECT_EQ(Find<ListBox>("ListBox1")->Lines()[0], "Zed");
    QFile::setPermissions(folder.Path("H.dat"), QFile::ReadOwner | QFile::WriteOwner);
}

// A table whose lock can't be had takes no entry and says why; the question follows.
TEST_F(HighScore, ALockThatCannotBeHadIsToldAndTheGameGoesOn)
{
    ASSERT_TRUE(QDir().mkdir(folder.Path(QStringLiteral("H.lock"))));
    Start();
    watcher.name = QStringLiteral("Zed");
    watcher.answer = QMessageBox::Yes;
    End(200);
    ASSERT_TRUE(WaitUntil([&] { return watcher.boxes.size() == 2; }));
    EXPECT_EQ(watcher.boxes, (QStringList{"Cannot lock file H.lock.", "Do you want to play again?"}));
    EXPECT_EQ(folder.Read("H2.dat"), Scores);
}

} // namespace
} // namespace tumbaro::test
