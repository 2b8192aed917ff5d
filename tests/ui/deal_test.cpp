// Deals by number in the window: the line Ctrl+C copies proves the score;
// each game ended, or replaced after a move, goes to the log once (a log
// that cannot be written is told once by the log itself), with the time it
// was played in every run; and I shows the log's games with a chart.

#include "window_fixture.h"

#include "stats/game_log.h"
#include "tools/replay/proof_check.h"
#include "ui/commands/game_commands.h"
#include "ui/window/way_play.h"

#include <QAction>
#include <QClipboard>
#include <QTableView>

#include <algorithm>
#include <sstream>

namespace tumbaro::test {
namespace {

class Deals : public WindowTest {
protected:
    // A start that resumes the kept game, or plays `deal` in its place.
    void StartOn(std::optional<DealNumber> deal)
    {
        window = std::make_unique<TTumbaro>(folder.SettingsFile());
        window->RecordGamesIn(GameLog(Log()));
        if (deal)
            window->StartWithDeal(*deal);
        window->show();
        ASSERT_TRUE(WaitUntil([&] { return window->Activated(); }));
    }
    void PlayAMove() { ASSERT_TRUE(PlayFirstMove(window->GameLogic())); }
    std::filesystem::path Log() const { return folder.Path(QStringLiteral("games.log")).toStdString(); }
    DealNumber Deal() { return window->GameLogic().Tally().Deal; }
};

// A Classic game copied by Ctrl+C and replaced, and a Timed game of deal G
// run out, played by keys and clicks: the line copied proves the score, two
// whole lines in the log (no line for the games replaced before a move), and
// I shows each in the table and on the chart.
TEST_F(Deals, AGameInEachWayIsCopiedLoggedWholeAndShownWithItsChart)
{
    ModalWatcher watcher;
    watcher.answer = QMessageBox::Yes;
    StartOn(12345);
    EXPECT_EQ(window->Commands().ThisDeal()->text(), QStringLiteral("Deal 12345"));
    PlayAMove();
    Key(Qt::Key_U);
    for (int move = 0; move < 3; ++move)
        PlayAMove();
    const std::int64_t classic = State().Score;
    Key(Qt::Key_C, Qt::ControlModifier);
    const std::string line = QGuiApplication::clipboard()->text().toStdString();
    const std::string score = " score " + std::to_string(classic);
    ASSERT_TRUE(line.starts_with("tumbaro classic 12345 ") && line.ends_with(score)) << line;
    ASSERT_NE(line.find(" undo "), std::string::npos) << line;
    std::ostringstream checked;
    EXPECT_EQ(CheckProofLine(line, checked, checked), 0) << line << checked.str();
    Key(Qt::Key_2, Qt::ControlModifier);
    const DealNumber dealt = Deal();
    watcher.name = QStringLiteral("5tig"); // the letters stay in the dialog
    Key(Qt::Key_G);
    ASSERT_EQ(watcher.boxes, QStringList{"“5tig” is not a deal number: type only the digits 0 to 9."});
    ASSERT_EQ(Deal(), dealt) << "refused: nothing changes";
    watcher.name = QStringLiteral("54321");
    Key(Qt::Key_G);
    watcher.name = QStringLiteral("Ada");
    PlayAMove();
    PlayAMove();
    const std::int64_t timed = State().Score;
    window->Ways().Tick(TimedGameLength);
    ASSERT_TRUE(WaitUntil([&] { return watcher.boxes.size() == 2; })) << "play again, in Timed";
    Key(Qt::Key_N);

    const QByteArray log = folder.Read(QStringLiteral("games.log"));
    EXPECT_TRUE(log.count('\n') == 2 && log.endsWith('\n')) << log.toStdString();
    const std::vector<GameRecord> games = ReadGameLog(Log());
    ASSERT_EQ(games.size(), 2U) << log.toStdString();
    using Line = std::tuple<Way, DealNumber, std::int64_t, std::int64_t, bool, bool>; // moves, undo, ended
    const Line expected[] = {{Way::Classic, 12345, classic, 4, true, false},
                             {Way::Timed, 54321, timed, 2, false, true}};
    for (std::size_t i = 0; i < 2; ++i) {
        const GameRecord& g = games[i];
        EXPECT_EQ(Line(g.Played, g.Deal, g.Score, g.Moves, g.UndoUsed, g.Ended), expected[i]) << i;
    }

    ASSERT_FALSE(window->findChild<QWidget*>(QStringLiteral("Statistics")));
    Key(Qt::Key_I);
    QWidget* statistics = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        statistics = window->findChild<QWidget*>(QStringLiteral("Statistics"));
        return statistics && statistics->isVisible();
    }));
    const QAbstractItemModel* table = statistics->findChild<QTableView*>(QStringLiteral("StatisticsTable"))->model();
    const std::int64_t scores[] = {classic, timed};
    for (int way = 0; way < 2; ++way) {
        EXPECT_EQ(table->index(0, way).data().toString(), "1") << "games, way " << way;
        EXPECT_EQ(table->index(1, way).data().toString(), QLocale().toString(qlonglong(scores[way]))) << way;
    }
    EXPECT_EQ(table->index(5, 0).data().toString(), QStringLiteral("not played")) << "today's deal";
    QWidget* chart = statistics->findChild<QWidget*>(QStringLiteral("StatisticsChart"));
    // A screen reader reads the chart as a sentence for each way.
    const QStringList said = chart->accessibleDescription().split(QLatin1Char('\n'));
    ASSERT_EQ(said.size(), 3) << said.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(said[1].startsWith(QStringLiteral("Timed: 1 game"))) << said[1].toStdString();
    EXPECT_EQ(said[2], QStringLiteral("Zen: no games yet."));
    // Kept beside the test for a look at the window.
    EXPECT_TRUE(statistics->grab().save(QCoreApplication::applicationDirPath() + "/statistics_of_play.png"));
    const QImage plot = chart->grab().toImage();
    // Each way's point in its colour (the chart's light theme), well below the
    // legend's mark of that colour; the higher the score, the higher the point.
    std::vector<std::pair<int, int>> rows; // the first and the last row of each way's colour
    for (const QRgb colour : {qRgb(0x20, 0x9f, 0xdf), qRgb(0x99, 0xca, 0x53)}) {
        rows.emplace_back(plot.height(), -1);
        for (int y = 0; y < plot.height(); ++y)
            for (int x = 0; x < plot.width(); ++x)
                if (plot.pixel(x, y) == colour)
                    rows.back() = {std::min(rows.back().first, y), y};
        EXPECT_GT(rows.back().second, rows.back().first + 20) << rows.size();
    }
    EXPECT_EQ(rows[0].second < rows[1].second, classic > timed);
}

// A game left is kept with the time played so far, also when the window
// closes; resumed, it is logged with its whole time, and the next deal
// starts from nothing. Another window's game kept since is not overwritten.
TEST_F(Deals, AResumedGameIsLoggedWithTheTimePlayedInEveryRun)
{
    constexpr std::int64_t Hour = 3600 * 1000;
    SavedGameFile kept(SavedGameFile::BesideStore(folder.SettingsFile()));
    const SavedGame left{OneMove, 0, false, {}, 0, 1, Way::Classic, 0, {}, Hour};
    ASSERT_TRUE(kept.Save(left));
    StartOn(std::nullopt);
    ASSERT_EQ(State().GameBoard, OneMove);
    QTest::qWait(60); // left on screen a while
    window->close();
    EXPECT_GE(kept.Load()->TimePlayed, Hour + 50);

    TearDown();
    StartOn(std::nullopt);
    PlayAMove();
    Key(Qt::Key_N);
    const std::vector<GameRecord> games = ReadGameLog(Log());
    ASSERT_EQ(games.size(), 1U);
    EXPECT_TRUE(games[0].Seconds >= 3600 && games[0].Seconds < 3660) << games[0].Seconds;
    EXPECT_LT(kept.Load()->TimePlayed, 60000) << "the new deal";

    ASSERT_TRUE(SavedGameFile(kept.Path()).Save(left));
    window->close();
    EXPECT_EQ(kept.Load(), left);
}

} // namespace
} // namespace tumbaro::test
