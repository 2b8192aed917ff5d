// Deals by number in the window: the line Ctrl+C copies proves the score and
// nothing else, and each game replaced after a move goes to the log once (a
// log that cannot be written is told once by the log itself).

#include "window_fixture.h"

#include "engine/board.h"
#include "stats/game_log.h"
#include "tools/replay/proof_check.h"
#include "ui/commands/game_commands.h"

#include <QAction>
#include <QClipboard>

#include <sstream>

namespace tumbaro::test {
namespace {

class Deals : public WindowTest {
protected:
    void StartOn(DealNumber deal, const std::filesystem::path& log)
    {
        window = std::make_unique<TTumbaro>(folder.SettingsFile());
        window->RecordGamesIn(GameLog(log));
        window->StartWithDeal(deal);
        window->show();
        ASSERT_TRUE(WaitUntil([&] { return window->Activated(); }));
    }
    void PlayAMove()
    {
        const auto move = FirstMove(State().GameBoard);
        ASSERT_TRUE(move);
        ClickCell(10 * RowOf(move->First) + ColumnOf(move->First));
        ClickCell(10 * RowOf(move->Second) + ColumnOf(move->Second));
        while (window->GameLogic().Tick()) {
        }
    }
    static int Check(const std::string& line)
    {
        std::ostringstream said;
        return CheckProofLine(line, said, said);
    }
    std::filesystem::path Log() const { return folder.Path(QStringLiteral("games.log")).toStdString(); }
};

TEST_F(Deals, CtrlCCopiesALineThatProvesTheScoreAndNoOther)
{
    StartOn(12345, Log());
    EXPECT_EQ(window->Commands().ThisDeal()->text(), QStringLiteral("Deal 12345"));
    PlayAMove();
    Key(Qt::Key_U);
    PlayAMove();
    PlayAMove();
    Key(Qt::Key_C, Qt::ControlModifier);
    const std::string line = QGuiApplication::clipboard()->text().toStdString();
    const std::string score = " score " + std::to_string(State().Score);
    ASSERT_TRUE(line.starts_with("tumbaro classic 12345 ") && line.ends_with(score)) << line;
    ASSERT_NE(line.find(" undo "), std::string::npos) << line;
    EXPECT_EQ(Check(line), 0) << line;
    const std::string moves = line.substr(0, line.size() - score.size());
    EXPECT_EQ(Check(moves + " score " + std::to_string(State().Score + 15)), 1);
    EXPECT_EQ(Check(moves.substr(0, moves.rfind(' ')) + score), 1) << "the last move left out";
}

TEST_F(Deals, AGameReplacedAfterAMoveIsLoggedOnce)
{
    StartOn(12345, Log());
    PlayAMove();
    Key(Qt::Key_U);
    window->Commands().NewGame()->trigger();
    window->Commands().NewGame()->trigger(); // no move on that one: no game
    const std::vector<GameRecord> games = ReadGameLog(Log());
    ASSERT_EQ(games.size(), 1U);
    EXPECT_TRUE(games[0].Deal == 12345 && games[0].Moves == 1 && games[0].UndoUsed && !games[0].Ended);
}

} // namespace
} // namespace tumbaro::test
