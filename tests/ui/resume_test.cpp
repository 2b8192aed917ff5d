// The game left unfinished comes back at the next start, score and undo
// included; a game that ended, or a saved game that can't be read, gives a
// new deal without a word.

#include "window_fixture.h"

namespace tumbaro::test {
namespace {

using Resume = WindowTest;

TEST_F(Resume, TheNextStartResumesTheGameLeftUnlessItEnded)
{
    ModalWatcher watcher;
    Start();
    PlayOneMove();
    const Matrix played = State().GameBoard;
    const std::int32_t score = State().Score;
    ASSERT_GT(score, 0);
    Restart();
    EXPECT_EQ(State().GameBoard, played);
    EXPECT_EQ(State().Score, score);
    EXPECT_EQ(Find<QWidget>(QStringLiteral("Memo1"))->property("plainText"), QString::number(score));
    EXPECT_TRUE(BoardShown(1));
    Key(Qt::Key_U);
    EXPECT_EQ(State().GameBoard, OneMove) << "undo comes back with the game";
    Restart();
    EXPECT_EQ(State().GameBoard, OneMove) << "and so does the undone game";
    EXPECT_EQ(State().Score, 0);
    EXPECT_FALSE(Find(QStringLiteral("Image15"))->isEnabled()) << "nothing more to undo";

    const std::filesystem::path saved = folder.SettingsFile().parent_path() / "game";
    std::ofstream(saved, std::ios::binary | std::ios::trunc) << "not a saved game";
    Restart();
    EXPECT_NE(State().GameBoard, OneMove) << "a new deal";
    EXPECT_FALSE(State().Picked);

    // An ended game is not kept: the question's No ends the program, and
    // the next start deals anew.
    EndGame(0);
    ASSERT_TRUE(WaitUntil([&] { return !watcher.boxes.isEmpty(); }));
    EXPECT_FALSE(std::filesystem::exists(saved));
    Restart();
    EXPECT_NE(State().GameBoard, NoMove);
    EXPECT_TRUE(watcher.boxes == QStringList{QStringLiteral("Do you want to play again?")});
}

} // namespace
} // namespace tumbaro::test
