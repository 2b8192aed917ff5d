// The end of a game in the window: names in any script typed into the dialog,
// written to the table in UTF-8 and read back after a restart, and the ends
// that go wrong.

#include "window_fixture.h"

#include <QKeyEvent>

namespace tumbaro::test {
namespace {

const QByteArray Scores = "100\r\n90\r\n80\r\n70\r\n60\r\n50\r\n40\r\n30\r\n20\r\n10\r\n";

class HighScore : public WindowTest {
protected:
    void SetUp() override
    {
        std::ofstream(folder.Path("H.dat").toStdString()) << "A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\nI\r\nJ\r\n";
        std::ofstream(folder.Path("H2.dat").toStdString()) << Scores.toStdString();
        watcher.answer = QMessageBox::Yes;
    }
    // Ends the game with `score` and waits for the message that follows.
    void End(std::int32_t score)
    {
        const auto seen = watcher.boxes.size();
        EndGame(score);
        ASSERT_TRUE(WaitUntil([&] { return watcher.boxes.size() > seen; }));
    }
    QByteArray TopNames() { return folder.Read("H.dat").split('\r').first(2).join('\r'); }
    ModalWatcher watcher;
};

TEST_F(HighScore, NamesInAnyScriptGoThroughBothFilesAndComeBack)
{
    Start();
    // Names keep eight characters, not eight bytes nor eight UTF-16 units;
    // each typed as a key press carrying it, as a keyboard in that script types it.
    const QString emoji = QString::fromUtf8("😀😀😀😀😀😀😀😀😀");
    auto* edit = window->Ending().NameDialog()->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    edit->clear();
    for (const uint code : emoji.toUcs4()) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                        QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1));
        QApplication::sendEvent(edit, &press);
    }
    End(35);
    EXPECT_EQ(folder.Read("H.dat"), "A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\n" + emoji.left(16).toUtf8() + "\r\nH\r\nI\r\n");
    EXPECT_EQ(folder.Read("H2.dat"), "100\r\n90\r\n80\r\n70\r\n60\r\n50\r\n40\r\n35\r\n30\r\n20\r\n");
    Restart();
    EXPECT_EQ(Find<ListBox>("ListBox1")->Lines()[7], emoji.left(16));
}

// However the wait for the entry ends (a new game dealt, the window closed)
// the place earned is in the files, and no question is left over what follows.
TEST_F(HighScore, AnEarnedEntryIsMadeHoweverTheGameIsLeft)
{
    const auto waiting = [this] { return Find<QTimer>(QStringLiteral("Timer3"))->isActive(); };
    Start();
    watcher.name = QStringLiteral("Nina");
    EndGame(150);
    ASSERT_TRUE(WaitUntil(waiting)); // the second's wait before the entry
    Key(Qt::Key_N);
    EXPECT_EQ(TopNames(), "Nina\r\nA");
    EXPECT_FALSE(waiting()) << "no question will follow";
    EXPECT_EQ(State().Score, 0) << "a new deal";
    EXPECT_EQ(Find<ListBox>("ListBox1")->Lines()[0], "Nina");

    watcher.name = QStringLiteral("Cleo");
    EndGame(160);
    ASSERT_TRUE(WaitUntil(waiting));
    window->close();
    EXPECT_EQ(TopNames(), "Cleo\r\nNina");
    EXPECT_TRUE(watcher.boxes.isEmpty()) << "nothing was asked";
}

// A table whose file can't be written takes no entry and says why; the game
// goes on with the entry on screen.
TEST_F(HighScore, ATableThatCannotBeWrittenIsToldAndTheGameGoesOn)
{
    QFile::setPermissions(folder.Path("H.dat"), QFile::ReadOwner);
    Start();
    watcher.name = QStringLiteral("Yul");
    End(300);
    EXPECT_EQ(watcher.boxes, QStringList{"Cannot create file H.dat."});
    EXPECT_EQ(folder.Read("H2.dat"), Scores);
    EXPECT_EQ(Find<ListBox>("ListBox1")->Lines()[0], "Yul");
}

} // namespace
} // namespace tumbaro::test
