// The unfinished game kept between runs: kept only at rest and dropped at the
// end, resumed as it was (undo and refills included), and any text that play
// could not have written refused.

#include "game_fixture.h"

#include "engine/board.h"
#include "play/saved_game_file.h"

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace tumbaro::test {
namespace {

namespace fs = std::filesystem;

class RecordingKeeper final : public GameKeeper {
public:
    void Keep(const SavedGame& game) override { log.push_back("keep " + std::to_string(game.Score)), kept = game; }
    void Drop() override { log.push_back("drop"); }
    std::vector<std::string> Take() { return std::exchange(log, {}); }
    std::vector<std::string> log;
    SavedGame kept;
};

class SavedGameTest : public GameTest {
protected:
    SavedGameTest() { game.KeepIn(&keeper); }

    // Plays the first move there is and lets it settle; false when none is left.
    bool PlayFirstMove(Game& on, RecordingScreen& its)
    {
        const auto pair = FirstMove(on.State().GameBoard);
        if (!pair)
            return false;
        on.ButtonClick(pair->First / 8 + 1, pair->First % 8 + 1);
        on.ButtonClick(pair->Second / 8 + 1, pair->Second % 8 + 1);
        while (on.Tick()) {
        }
        return !its.timer1 && !its.timer2;
    }

    RecordingKeeper keeper;
};

TEST_F(SavedGameTest, KeptAtEveryRestReadBackAsKeptAndDroppedWhenTheGameEnds)
{
    int moves = 0;
    while (PlayFirstMove(game, screen) && screen.endOfGameCalls == 0) {
        ASSERT_EQ(keeper.Take(), std::vector<std::string>{"keep " + std::to_string(game.State().Score)})
            << "once per move, after it settled";
        EXPECT_EQ(keeper.kept, game.Saved());
        EXPECT_TRUE(keeper.kept.UndoPossible);
        EXPECT_EQ(ReadSavedGame(SavedGameText(keeper.kept)), keeper.kept);
        if (++moves == 3) {
            game.Undo();
            EXPECT_EQ(keeper.Take(), std::vector<std::string>{"keep " + std::to_string(game.State().Score)});
            EXPECT_FALSE(keeper.kept.UndoPossible);
            EXPECT_EQ(ReadSavedGame(SavedGameText(keeper.kept)), keeper.kept);
        }
    }
    ASSERT_EQ(screen.endOfGameCalls, 1) << "the seeded game runs to its end";
    EXPECT_EQ(keeper.Take(), std::vector<std::string>{"drop"});
    game.GameOver(); // Yes: the new deal is the game kept now
    EXPECT_EQ(keeper.Take(), std::vector<std::string>{"keep 0"});
    EXPECT_EQ(ReadSavedGame(SavedGameText(keeper.kept)), keeper.kept);
}

TEST_F(SavedGameTest, AResumedGameShowsPlaysAndUndoesAsTheKeptOne)
{
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(PlayFirstMove(game, screen));
    const SavedGame kept = *ReadSavedGame(SavedGameText(game.Saved()));

    RecordingScreen otherScreen;
    Game other(otherScreen);
    other.State().Scheme = 1;
    other.Random().Seed(999);
    other.Newgame();
    other.ButtonClick(1, 1); // a pick pending on the game it replaces
    other.Resume(kept);
    EXPECT_TRUE(otherScreen.ShowsNormal(game.State().GameBoard));
    EXPECT_EQ(otherScreen.scoreText, std::to_string(game.State().Score));
    EXPECT_TRUE(otherScreen.undoEnabled);
    EXPECT_EQ(other.State().ExpectFirstPick, 1) << "the first click after a resume picks";

    // The refills go on as they would have in the game that was kept.
    ASSERT_TRUE(PlayFirstMove(game, screen));
    ASSERT_TRUE(PlayFirstMove(other, otherScreen));
    EXPECT_EQ(other.Saved(), game.Saved());

    other.Resume(kept);
    other.Undo();
    EXPECT_EQ(other.State().GameBoard, kept.UndoBoard);
    EXPECT_EQ(otherScreen.scoreText, std::to_string(kept.UndoScore));
    EXPECT_FALSE(otherScreen.undoEnabled);
}

TEST_F(SavedGameTest, DamagedTextIsRefused)
{
    ASSERT_TRUE(PlayFirstMove(game, screen));
    const std::string text = SavedGameText(game.Saved());
    ASSERT_TRUE(ReadSavedGame(text));

    for (std::size_t size = 0; size < text.size(); ++size)
        EXPECT_FALSE(ReadSavedGame(text.substr(0, size))) << "cut to " << size;
    for (std::size_t at = 0; at < text.size(); ++at)
        for (const int flip : {0x01, 0x04, 0x20, 0x80}) {
            std::string damaged = text;
            damaged[at] = static_cast<char>(damaged[at] ^ flip);
            EXPECT_FALSE(ReadSavedGame(damaged)) << "byte " << at << " ^ " << flip;
        }
    // Lines lost, repeated or reordered, as an older or newer layout has them.
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start + 1));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string without, twice, swapped;
        for (std::size_t j = 0; j < lines.size(); ++j) {
            without += j == i ? "" : lines[j];
            twice += j == i ? lines[j] + lines[j] : lines[j];
            swapped += lines[j == i ? (i + 1) % lines.size() : j == (i + 1) % lines.size() ? i : j];
        }
        EXPECT_FALSE(ReadSavedGame(without)) << "without line " << i;
        EXPECT_FALSE(ReadSavedGame(twice)) << "line " << i << " twice";
        EXPECT_FALSE(ReadSavedGame(swapped)) << "line " << i << " swapped with the next";
    }
    EXPECT_FALSE(ReadSavedGame(text + "\n"));
    EXPECT_FALSE(ReadSavedGame(text + text));
    EXPECT_FALSE(ReadSavedGame(std::string(100000, '\n')));
}

TEST_F(SavedGameTest, ValuesPlayCannotMakeAreRefusedEvenWhenWellFormed)
{
    ASSERT_TRUE(PlayFirstMove(game, screen));
    const SavedGame good = game.Saved();
    ASSERT_TRUE(good.UndoPossible);
    Matrix withLine = good.Board;
    withLine[0] = withLine[1] = withLine[2] = 3;

    struct Case {
        const char* what;
        void (*change)(SavedGame&, const Matrix& withLine);
        bool accepted;
    };
    const Case cases[] = {
        {"a colour above 7", [](SavedGame& g, const Matrix&) { g.Board[20] = 8; }, false},
        {"an empty cell", [](SavedGame& g, const Matrix&) { g.Board[20] = EmptyCell; }, false},
        {"a negative colour", [](SavedGame& g, const Matrix&) { g.Board[20] = -1; }, false},
        {"a line on the board", [](SavedGame& g, const Matrix& m) { g.Board = m; }, false},
        {"no move left", [](SavedGame& g, const Matrix&) { g.Board = NoMove; }, false},
        {"a score below zero", [](SavedGame& g, const Matrix&) { g.Score = -15; }, false},
        {"an absurd score", [](SavedGame& g, const Matrix&) { g.Score = MaxSavedScore + 1; }, false},
        {"the largest score", [](SavedGame& g, const Matrix&) { g.Score = MaxSavedScore; }, true},
        {"undo to a score not below", [](SavedGame& g, const Matrix&) { g.UndoScore = g.Score; }, false},
        {"undo to a board with a line", [](SavedGame& g, const Matrix& m) { g.UndoBoard = m; }, false},
        {"an undo colour out of range", [](SavedGame& g, const Matrix&) { g.UndoBoard[5] = 9; }, false},
        {"a negative undo score", [](SavedGame& g, const Matrix&) { g.UndoScore = -1; }, false},
        // A new deal keeps the last game's undo, which the button no longer reaches.
        {"no undo, the last game's undo",
         [](SavedGame& g, const Matrix& m) { g.UndoPossible = false, g.UndoBoard = m, g.UndoScore = g.Score + 500; },
         true},
        {"no undo, a first deal's zeros",
         [](SavedGame& g, const Matrix&) { g.UndoPossible = false, g.UndoBoard = {}, g.UndoScore = 0; }, true},
    };
    for (const Case& c : cases) {
        SavedGame changed = good;
        c.change(changed, withLine);
        const auto back = ReadSavedGame(SavedGameText(changed));
        EXPECT_EQ(back.has_value(), c.accepted) << c.what;
        if (c.accepted) {
            EXPECT_EQ(back, changed) << c.what;
        }
    }
}

TEST_F(SavedGameTest, TheFileKeepsReplacesAndForgetsTheGame)
{
    const fs::path folder = fs::temp_directory_path() / ("tumbaro-saved-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    const fs::path store = folder / "config" / "tumbaro" / "registry";
    SavedGameFile file(SavedGameFile::BesideStore(store));
    EXPECT_EQ(file.Path(), folder / "config" / "tumbaro" / "game");
    EXPECT_FALSE(file.Load()) << "no saved game yet";

    game.KeepIn(&file);
    game.Newgame(); // the folder does not exist yet
    EXPECT_EQ(file.Load(), game.Saved());
    ASSERT_TRUE(PlayFirstMove(game, screen));
    EXPECT_EQ(file.Load(), game.Saved());
    EXPECT_EQ(std::distance(fs::directory_iterator(file.Path().parent_path()), {}), 1) << "no temporary left";

    file.Forget();
    EXPECT_FALSE(file.Load());
    {
        std::ofstream big(file.Path(), std::ios::binary);
        big << SavedGameText(game.Saved()) << std::string(1 << 20, ' ');
    }
    EXPECT_FALSE(file.Load()) << "a large file is refused unread";
    fs::remove(file.Path());
    fs::create_directory(file.Path());
    EXPECT_FALSE(file.Load()) << "a folder in its place";
    EXPECT_FALSE(file.Save(game.Saved()));
    fs::remove_all(folder);
}

} // namespace
} // namespace tumbaro::test
