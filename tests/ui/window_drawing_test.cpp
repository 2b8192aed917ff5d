#include "window_fixture.h"

#include "engine/game_error.h"
#include "platform/registry_store.h"
#include "ui/pictures/jpeg_loader.h"
#include "ui/scheme_setting.h"

namespace tumbaro::test {
namespace {

using WindowDrawing = WindowTest;

std::string StoredScheme(const std::filesystem::path& file)
{
    Registry registry(file);
    if (!registry.OpenKey(SchemeKey, false))
        return "<no key>";
    return registry.ReadString(SchemeValueName);
}

TEST_F(WindowDrawing, SchemeButtonsRedrawEverythingAndTheNextStartUsesTheLastChoice)
{
    Start();
    EXPECT_EQ(StoredScheme(folder.SettingsFile()), "1") << "a first start stores scheme 1";
    EXPECT_TRUE(BoardShown(1));
    const Matrix board = State().GameBoard;
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    EXPECT_EQ(State().GameBoard, board) << "a second activation deals nothing";
    for (int scheme : {3, 2}) {
        ClickControl(QStringLiteral("Image1%1").arg(scheme));
        EXPECT_EQ(StoredScheme(folder.SettingsFile()), std::to_string(scheme));
        EXPECT_TRUE(BoardShown(scheme)) << "scheme " << scheme;
        EXPECT_EQ(Find(QStringLiteral("Background"))->Picture(), LoadJpegFile(QStringLiteral("b%1.jpg").arg(scheme)));
    }
    EXPECT_EQ(State().GameBoard, board) << "a scheme changes pictures only";
    Restart();
    EXPECT_EQ(State().Scheme, 2);
    EXPECT_TRUE(BoardShown(2));
}

TEST_F(WindowDrawing, BadStoredSchemesStopTheStartWithTheirMessage)
{
    const auto settings = folder.SettingsFile().parent_path();
    // A scheme that is no number, then no key in a store that can't be written.
    for (const std::string message : {"'two' is not a valid integer value", "Failed to set data for 'Scheme'"}) {
        std::filesystem::remove_all(settings);
        std::filesystem::create_directories(settings);
        if (message.starts_with("'two'")) {
            Registry registry(folder.SettingsFile());
            ASSERT_TRUE(registry.OpenKey(SchemeKey, true));
            registry.WriteString(SchemeValueName, "two");
        } else {
            std::filesystem::permissions(settings, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        }
        TTumbaro fresh(folder.SettingsFile());
        EXPECT_THROW({
            try { fresh.FormActivate(); } catch (const GameError& error) { EXPECT_EQ(error.what(), message); throw; }
        }, GameError);
        EXPECT_EQ(fresh.GameLogic().State().ExpectFirstPick, 0) << message << ": a game was dealt";
        std::filesystem::permissions(settings, std::filesystem::perms::owner_all);
    }
}

TEST_F(WindowDrawing, AMissingBackgroundIsReportedAndTheSchemeStillChanges)
{
    Start();
    QFile::remove(folder.Path("b2.jpg"));
    const Matrix board = State().GameBoard;
    ModalWatcher watcher;
    ClickControl(QStringLiteral("Image12"));
    ASSERT_EQ(watcher.boxes.size(), 1U);
    EXPECT_EQ(watcher.boxes[0].text, "Cannot open file b2.jpg.");
    EXPECT_EQ(watcher.boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(StoredScheme(folder.SettingsFile()), "2");
    // The next drawn cell uses the new scheme.
    window->ButtonClick(1, 1);
    EXPECT_EQ(Cell(1, 1)->Picture(), List("Sxema2Small")->Picture(board[0]));
}

TEST_F(WindowDrawing, AMissingNamesFileLeavesAPlayableGameAndAnEmptyTable)
{
    QFile::remove(folder.Path("H.dat"));
    ModalWatcher watcher;
    Start();
    ASSERT_TRUE(WaitUntil([&] { return !watcher.boxes.empty(); }));
    EXPECT_EQ(watcher.boxes[0].text, "Cannot open file H.dat.");
    EXPECT_EQ(State().ExpectFirstPick, 1);
    EXPECT_TRUE(BoardShown(1));
    EXPECT_EQ(Find<QListWidget>("ListBox1")->count(), 0);
}

} // namespace
} // namespace tumbaro::test
