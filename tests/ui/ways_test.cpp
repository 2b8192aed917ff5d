// The ways to play in the window: a timed game's clock standing still
// whenever the player can't play, its end into the Timed table, its time
// kept between runs, and the command line that starts a way.

#include "window_fixture.h"

#include "ui/commands/game_commands.h"
#include "ui/menu/game_menu.h"
#include "ui/window/command_line.h"
#include "ui/window/way_play.h"

#include <QAction>
#include <QLabel>
#include <QMenu>


namespace tumbaro::test {
namespace {

class Ways : public WindowTest {
protected:
    QMenu& Menu() { return window->Menu().Menu(); }
    WayPlay& Clock() { return window->Ways(); }
    QString Shown() { return Find<QLabel>(QStringLiteral("Clock"))->text(); }
};

TEST_F(Ways, TheClockStandsStillWhenThePlayerCantPlayAndEndsIntoTheTimedTable)
{
    ModalWatcher watcher;
    watcher.name = QStringLiteral("Tia");
    watcher.answer = QMessageBox::Yes;
    Start();
    const QByteArray classic = folder.Read(QStringLiteral("H.dat")) + folder.Read(QStringLiteral("H2.dat"));
    window->Commands().NewGameIn(Way::Timed)->trigger();
    EXPECT_EQ(Shown(), "2:00");
    ASSERT_TRUE(Clock().ClockRunning());
    Key(Qt::Key_Menu);
    ASSERT_TRUE(WaitUntil([&] { return Menu().isVisible(); }));
    EXPECT_FALSE(Clock().ClockRunning()) << "the menu is open";
    // Every entry shows its key.
    for (QAction* entry : Menu().actions())
        EXPECT_TRUE(entry->isSeparator() || !entry->shortcut().isEmpty()) << entry->text().toStdString();
    Menu().close();
    EXPECT_TRUE(WaitUntil([&] { return Clock().ClockRunning(); }));

    QWidget* cover = Find<QWidget>(QStringLiteral("PauseCover"));
    Key(Qt::Key_P);
    EXPECT_FALSE(Clock().ClockRunning());
    EXPECT_TRUE(cover->isVisible()) << "the board is hidden while paused";
    Clock().Tick(1500);
    EXPECT_EQ(Shown(), "1:59");
    ClickCell(45);
    EXPECT_FALSE(cover->isVisible()) << "a click on the board goes on";
    EXPECT_FALSE(window->GameLogic().PendingPick()) << "and picks nothing";
    Key(Qt::Key_Right);
    Key(Qt::Key_P);
    Key(Qt::Key_Space);
    EXPECT_FALSE(cover->isVisible() || window->GameLogic().PendingPick()) << "nor does a key on the hidden board";
    window->showMinimized();
    EXPECT_TRUE(WaitUntil([&] { return !Clock().ClockRunning(); }));
    window->showNormal();
    window->activateWindow();
    EXPECT_TRUE(WaitUntil([&] { return Clock().ClockRunning(); }));

    PlayOneMove();
    const std::int32_t score = State().Score;
    Clock().Tick(2 * 60 * 1000);
    ASSERT_TRUE(WaitUntil([&] { return folder.Read(QStringLiteral("HT.dat")).startsWith("Tia\r\n"); }));
    EXPECT_TRUE(folder.Read(QStringLiteral("HT2.dat")).startsWith(QByteArray::number(score) + "\r\n"));
    EXPECT_EQ(folder.Read(QStringLiteral("H.dat")) + folder.Read(QStringLiteral("H2.dat")), classic) << "nor the Classic table";
    ASSERT_TRUE(WaitUntil([&] { return watcher.boxes.size() == 1; }));
    EXPECT_EQ(window->GameLogic().CurrentWay(), Way::Timed) << "play again keeps the way";
    EXPECT_EQ(Find<ListBox>(QStringLiteral("ListBox1"))->model()->index(0, 0).data().toString(), "Tia")
        << "the Timed table is on screen";
}

TEST_F(Ways, ATimedGameIsKeptWithItsTimeAndResumesPaused)
{
    Start();
    window->Commands().NewGameIn(Way::Timed)->trigger();
    PlayOneMove();
    Clock().Tick(30000);
    Key(Qt::Key_P);
    const Matrix board = State().GameBoard;
    const int left = window->GameLogic().TimeLeft();
    ASSERT_LE(left, 90000);
    Restart();
    EXPECT_EQ(window->GameLogic().CurrentWay(), Way::Timed);
    EXPECT_EQ(window->GameLogic().TimeLeft(), left);
    EXPECT_EQ(State().GameBoard, board);
    EXPECT_TRUE(Clock().Paused());
    EXPECT_FALSE(Clock().ClockRunning());
    // A kept game that can't be read gives, without a word, a new deal in
    // the way remembered.
    std::ofstream(folder.SettingsFile().parent_path() / "game", std::ios::trunc) << "not a saved game";
    ModalWatcher watcher;
    Restart();
    EXPECT_EQ(window->GameLogic().CurrentWay(), Way::Timed);
    EXPECT_EQ(window->GameLogic().TimeLeft(), TimedGameLength);
    EXPECT_TRUE(watcher.boxes.isEmpty());
}

TEST(CommandLine, AWayADealOrHelpIsTakenAndAnythingElseRefused)
{
    const std::pair<std::vector<std::string>, std::optional<Way>> taken[] = {
        {{}, std::nullopt}, {{"--timed"}, Way::Timed}, {{"--zen", "--zen"}, Way::Zen}, {{"--help"}, std::nullopt}};
    for (const auto& [args, way] : taken) {
        const auto options = ParseCommandLine(args).options;
        EXPECT_EQ(options ? options->way : Way::Classic, way) << args.size();
    }
    EXPECT_TRUE(ParseCommandLine({"--help"}).options->help);
    const auto both = ParseCommandLine({"--zen", "--deal", "4294967295", "--statistics"}).options;
    ASSERT_TRUE(both);
    EXPECT_TRUE(both->way == Way::Zen && both->deal == 4294967295U && both->statistics && !both->today);
    EXPECT_EQ(ParseCommandLine({"--deal=7"}).options->deal, 7U);
    EXPECT_TRUE(ParseCommandLine({"--today"}).options->today);
    using Args = std::vector<std::string>;
    for (const Args& args : {Args{"--timed", "--zen"}, Args{"--bogus"}, Args{"timed"}, Args{"--deal"},
                             Args{"--deal", "4294967296"}, Args{"--deal=x"}, Args{"--deal", "1", "--today"}})
        EXPECT_FALSE(ParseCommandLine(args).options) << args.back();
}

} // namespace
} // namespace tumbaro::test
