// The end of a game in the window when the table can't or needn't take the
// score; a name entered and saved is played through by the name tests.

#include "window_fixture.h"

namespace tumbaro::test {
namespace {

const QByteArray Names = "Ann\r\nBob\r\nCid\r\nDee\r\nEve\r\nFay\r\nGus\r\nHal\r\nIda\r\nJon\r\n";
const QByteArray Scores = "100\r\n90\r\n80\r\n70\r\n60\r\n50\r\n40\r\n30\r\n20\r\n10\r\n";

class WindowHighScore : public WindowTest {
protected:
    // Ends a game with `score` on the table above and returns the messages shown.
    ModalWatcher& End(std::int32_t score)
    {
        EndGameWith(score);
        EXPECT_TRUE(WaitUntil([&] { return !watcher.boxes.empty(); }));
        return watcher;
    }
    void SetUp() override
    {
        folder.Write("H.dat", Names);
        folder.Write("H2.dat", Scores);
    }
    ModalWatcher watcher;
};

TEST_F(WindowHighScore, AShortScoreListStopsTheEndWithItsMessage)
{
    folder.Write("H2.dat", "100\r\n90\r\n");
    Start();
    EXPECT_EQ(End(500).boxes[0].text, "List index out of bounds (9)") << "a closing bracket gets no full stop";
    EXPECT_EQ(watcher.dialogs, 0);
    EXPECT_EQ(watcher.boxes.size(), 1U) << "no game-over question follows";
}

TEST_F(WindowHighScore, AFailedSaveKeepsTheOldFilesAndTheNewEntryOnScreen)
{
    Start();
    QFile::setPermissions(folder.Path("H.dat"), QFile::ReadOwner);
    watcher.name = QStringLiteral("Zed");
    EXPECT_EQ(End(200).boxes[0].text, "Cannot create file H.dat.");
    EXPECT_EQ(folder.Read("H.dat"), Names);
    EXPECT_EQ(folder.Read("H2.dat"), Scores) << "H2.dat is not written after H.dat failed";
    EXPECT_EQ(Find<QListWidget>("ListBox1")->item(0)->text(), "Zed");
    QFile::setPermissions(folder.Path("H.dat"), QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace
} // namespace tumbaro::test
