// The unfinished game kept between runs (the whole-game test checks it is kept
// at every rest): resumed as it was, undo and refills included, and any text
// that play could not have written refused.

#include "game_fixture.h"
#include "../scratch_files.h"

#include "platform/saved_game_file.h"

#include <fstream>
#include <iterator>
#include <functional>
#include <tuple>

namespace tumbaro::test {
namespace {

using SavedGameTest = GameTest;

TEST_F(SavedGameTest, AResumedGameShowsPlaysAndUndoesAsTheKeptOne)
{
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(PlayFirstMove(game));
    const SavedGame kept = *ReadSavedGame(SavedGameText(game.Saved()));

    Recorder otherScreen;
    Game other(otherScreen, otherScreen);
    other.Seed(999);
    other.Newgame();
    other.ButtonClick(1, 1); // a pick pending on the game it replaces
    other.Resume(kept);
    EXPECT_TRUE(otherScreen.ShowsNormal(game.State().GameBoard));
    EXPECT_EQ(otherScreen.scoreText, std::to_string(game.State().Score));
    EXPECT_TRUE(otherScreen.undoEnabled);
    EXPECT_FALSE(other.PendingPick()) << "the first click after a resume picks";

    // The refills go on as they would have in the game that was kept.
    ASSERT_TRUE(PlayFirstMove(game) && PlayFirstMove(other));
    EXPECT_EQ(other.Saved(), game.Saved());

    // And the move played before it was kept can be undone.
    other.Resume(kept);
    other.Undo();
    EXPECT_EQ(other.State().GameBoard, kept.UndoBoard);
    EXPECT_EQ(otherScreen.scoreText, std::to_string(kept.UndoScore));
}

// Games as each earlier version kept them still resume: the first without
// deal and steps, the second without the time played, which then starts from
// nothing. The saved-game reader's inputs check the rest they hold, and the
// window's deal tests the deal and steps a game keeps.
TEST(SavedGame, AnOlderGameStillResumes)
{
    const std::tuple<const char*, DealNumber, std::int64_t> versions[] = {
        {"undo_possible", 0, 0}, {"with_steps", 20261208, 0}, {"with_time_played", 20261208, 754312}};
    for (const auto& [name, deal, played] : versions) {
        std::ifstream file(std::string(TUMBARO_SOURCE_DIR "/tests/fuzz/saved_game/") + name);
        const auto kept = ReadSavedGame(std::string(std::istreambuf_iterator<char>(file), {}));
        EXPECT_TRUE(kept && kept->Tally.Deal == deal && kept->TimePlayed == played) << name;
    }
}

TEST_F(SavedGameTest, AMoveUndoneWhileItPlaysCostsTheDrawsOfOneUndoneWhenSettled)
{
    Recorder other;
    Game replayed(other, other);
    for (Game* g : {&game, &replayed})
        g->Deal(777);
    ASSERT_TRUE(PlayFirstMove(game, 1));
    game.Undo();
    ASSERT_TRUE(PlayFirstMove(replayed));
    replayed.Undo();
    EXPECT_EQ(game.Random().State(), replayed.Random().State());
    EXPECT_EQ(game.Tally(), replayed.Tally());
}

// Colours, scores and undo scores out of range are among the saved inputs of
// the saved-game reader, each with a good checksum.
TEST_F(SavedGameTest, ValuesPlayCannotMakeAreRefusedEvenWhenWellFormed)
{
    ASSERT_TRUE(PlayFirstMove(game));
    const SavedGame good = game.Saved();
    // A Classic game is kept as it was before there were other ways.
    EXPECT_EQ(SavedGameText(good).find("way"), std::string::npos);
    std::string unknownWay = SavedGameText(good);
    unknownWay.insert(unknownWay.find("check"), "way endless\n");
    EXPECT_FALSE(ReadSavedGame(unknownWay));
    ASSERT_TRUE(good.UndoPossible);
    Matrix withLine = good.Board;
    withLine[0] = withLine[1] = withLine[2] = 3;

    const std::pair<std::function<void(SavedGame&)>, bool> cases[] = {
        {[](SavedGame& g) { g.Board[20] = EmptyCell; }, false},
        {[](SavedGame& g) { g.Board = NoMove; }, false},
        {[](SavedGame& g) { g.Score = MaxSavedScore; }, true},
        {[&](SavedGame& g) { g.UndoBoard = withLine; }, false},
        // A new deal keeps the last game's undo, which the button no longer reaches.
        {[&](SavedGame& g) { g.UndoPossible = false, g.UndoBoard = withLine, g.UndoScore = g.Score + 500; }, true},
        // A timed game keeps what is left of its clock, which can't be nothing.
        {[](SavedGame& g) { g.Played = Way::Timed, g.TimeLeft = 1; }, true},
        {[](SavedGame& g) { g.Played = Way::Timed, g.TimeLeft = TimedGameLength; }, true},
        {[](SavedGame& g) { g.Played = Way::Timed, g.TimeLeft = 0; }, false},
        {[](SavedGame& g) { g.Played = Way::Timed, g.TimeLeft = TimedGameLength + 1; }, false},
        {[](SavedGame& g) { g.Played = Way::Zen; }, true},
        // The time played is kept to the millisecond, and a thousand years is damage.
        {[](SavedGame& g) { g.TimePlayed = MaxTimePlayed; }, true},
        {[](SavedGame& g) { g.TimePlayed = MaxTimePlayed + 1; }, false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SavedGame changed = good;
        cases[i].first(changed);
        const auto back = ReadSavedGame(SavedGameText(changed));
        EXPECT_EQ(back.has_value(), cases[i].second) << "case " << i;
        EXPECT_TRUE(!back || back == changed) << "case " << i;
    }
}

// A score near the top, as a hand-edited file may hold, stops there: every
// game kept on the way reads back, undo included.
TEST_F(SavedGameTest, AScoreStopsAtTheTopAndIsStillKept)
{
    ASSERT_TRUE(PlayFirstMove(game));
    SavedGame nearTop = game.Saved();
    nearTop.Score = MaxSavedScore - 1, nearTop.UndoScore = 0;
    game.Resume(nearTop);
    for (int move = 0; move < 2; ++move) // the second starts and ends at the top
        ASSERT_TRUE(PlayFirstMove(game) && screen.kept.Score == MaxSavedScore
                    && ReadSavedGame(SavedGameText(screen.kept)) == screen.kept) << move;
}

TEST_F(SavedGameTest, TheFileKeepsReplacesAndForgetsTheGame)
{
    namespace fs = std::filesystem;
    const ScratchFolder folder;
    SavedGameFile file(SavedGameFile::BesideStore(folder / "tumbaro" / "registry"));
    EXPECT_EQ(file.Path(), folder / "tumbaro" / "game");
    EXPECT_FALSE(file.Load()) << "no saved game yet";

    game.KeepIn(&file);
    game.Newgame(); // into a folder that does not exist yet
    ASSERT_TRUE(PlayFirstMove(game));
    EXPECT_EQ(file.Load(), game.Saved());
    EXPECT_EQ(std::distance(fs::directory_iterator(file.Path().parent_path()), {}), 1) << "no temporary left";

    // Two windows on one file: the game ending in one leaves the other's kept.
    SavedGameFile other(file.Path());
    game.KeepIn(&other);
    ASSERT_TRUE(PlayFirstMove(game));
    file.Forget();
    EXPECT_EQ(file.Load(), game.Saved());
    other.Forget();
    EXPECT_FALSE(file.Load());
    std::ofstream(file.Path(), std::ios::binary) << SavedGameText(game.Saved()) << std::string(1 << 20, ' ');
    EXPECT_FALSE(file.Load()) << "a large file is refused unread";

    // A link in its place is neither read nor written through.
    const SavedGame before = game.Saved();
    std::ofstream(folder / "elsewhere", std::ios::binary) << SavedGameText(before);
    fs::remove(file.Path()), fs::create_symlink(folder / "elsewhere", file.Path());
    EXPECT_FALSE(file.Load());
    ASSERT_TRUE(PlayFirstMove(game));
    EXPECT_TRUE(file.Load() == game.Saved() && SavedGameFile(folder / "elsewhere").Load() == before);
}

} // namespace
} // namespace tumbaro::test
