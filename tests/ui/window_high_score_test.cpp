#include "window_fixture.h"

#include "engine/board.h"

namespace tumbaro::test {
namespace {

using WindowHighScore = WindowTest;

const QByteArray Names = "Ann\r\nBob\r\nCid\r\nDee\r\nEve\r\nFay\r\nGus\r\nHal\r\nIda\r\nJon\r\n";
const QByteArray Scores = "100\r\n90\r\n80\r\n70\r\n60\r\n50\r\n40\r\n30\r\n20\r\n10\r\n";

TEST_F(WindowHighScore, AQualifyingScoreTakesANameAndRewritesBothFiles)
{
    folder.Write("H.dat", Names);
    folder.Write("H2.dat", Scores);
    Start();
    ModalWatcher watcher;
    watcher.name = QStringLiteral("Zed");
    watcher.answer = QMessageBox::No;
    bool ended = false;
    QObject::connect(window.get(), &TTumbaro::Terminated, [&] { ended = true; });
    EndGameWith(95);
    ASSERT_TRUE(WaitUntil([&] { return ended; }));
    EXPECT_EQ(watcher.dialogs, 1);
    EXPECT_EQ(folder.Read("H.dat"), "Ann\r\nZed\r\nBob\r\nCid\r\nDee\r\nEve\r\nFay\r\nGus\r\nHal\r\nIda\r\n");
    EXPECT_EQ(folder.Read("H2.dat"), "100\r\n95\r\n90\r\n80\r\n70\r\n60\r\n50\r\n40\r\n30\r\n20\r\n");
    EXPECT_EQ(Find<QListWidget>("ListBox1")->item(1)->text(), "Zed");
    EXPECT_EQ(Find<QListWidget>("ListBox2")->item(1)->text(), "95");
    ASSERT_EQ(watcher.boxes.size(), 1U);
    EXPECT_EQ(watcher.boxes[0].text, "Do you want to play again?");
}

TEST_F(WindowHighScore, AnEqualTenthScoreEarnsNothingAndTouchesNoFile)
{
    folder.Write("H.dat", Names);
    folder.Write("H2.dat", Scores);
    Start();
    QFile::remove(folder.Path("H.dat")); // any write would bring it back
    ModalWatcher watcher;
    watcher.answer = QMessageBox::Yes;
    EndGameWith(10);
    // Waiting returns to the top of the event loop, so the whole end has run.
    ASSERT_TRUE(WaitUntil([&] { return !watcher.boxes.empty(); }));
    EXPECT_EQ(watcher.boxes[0].text, "Do you want to play again?");
    EXPECT_EQ(watcher.dialogs, 0);
    EXPECT_FALSE(QFile::exists(folder.Path("H.dat")));
    // Yes deals a new game.
    EXPECT_TRUE(FindLine2(State().GameBoard));
    EXPECT_TRUE(BoardShown(1));
    EXPECT_EQ(ScoreText(), "0");
}

TEST_F(WindowHighScore, AShortScoreListStopsTheEndWithItsMessage)
{
    folder.Write("H2.dat", "100\r\n90\r\n");
    Start();
    ModalWatcher watcher;
    EndGameWith(500);
    ASSERT_TRUE(WaitUntil([&] { return !watcher.boxes.empty(); }));
    EXPECT_EQ(watcher.boxes[0].text, "List index out of bounds (9)") << "a closing bracket gets no full stop";
    EXPECT_EQ(watcher.dialogs, 0);
    EXPECT_EQ(watcher.boxes.size(), 1U) << "no game-over question follows";
}

TEST_F(WindowHighScore, AFailedSaveKeepsTheOldFilesAndTheNewEntryOnScreen)
{
    folder.Write("H.dat", Names);
    folder.Write("H2.dat", Scores);
    Start();
    QFile::setPermissions(folder.Path("H.dat"), QFile::ReadOwner);
    ModalWatcher watcher;
    watcher.name = QStringLiteral("Zed");
    EndGameWith(200);
    ASSERT_TRUE(WaitUntil([&] { return !watcher.boxes.empty(); }));
    EXPECT_EQ(watcher.boxes[0].text, "Cannot create file H.dat.");
    EXPECT_EQ(folder.Read("H.dat"), Names);
    EXPECT_EQ(folder.Read("H2.dat"), Scores) << "H2.dat is not written after H.dat failed";
    EXPECT_EQ(Find<QListWidget>("ListBox1")->item(0)->text(), "Zed");
    QFile::setPermissions(folder.Path("H.dat"), QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace
} // namespace tumbaro::test
