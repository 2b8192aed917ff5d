// The window's controls under the mouse: what buttons look like pressed; the schemes and their stored choice, missing files, and errors
// shown, not fatal.

#include "window_fixture.h"

#include "ui/controls/background_picture.h"

#include "platform/registry_store.h"
#include "ui/pictures/jpeg_loader.h"
#include "ui/settings/scheme_setting.h"

namespace tumbaro::test {
namespace {

using Window = WindowTest;

TEST_F(Window, ButtonsShowPressedLooksAndActOnlyOnALeftClick)
{
    Start();
    const auto* looks = List("ImageList2");
    const Matrix board = State().GameBoard;
    const std::pair<const char*, int> pressedLooks[] = {{"Image16", 1}, {"Exit", 5}, {"Help", 7}};
    for (const auto& [button, pressed] : pressedLooks) {
        const QPoint centre = Find<QWidget>(button)->geometry().center();
        QTest::mousePress(window->windowHandle(), Qt::RightButton, {}, centre);
        EXPECT_EQ(Find(QString::fromLatin1(button))->Picture(), looks->Picture(pressed)) << button;
        QTest::mouseRelease(window->windowHandle(), Qt::RightButton, {}, centre);
        // NEW's menu, which a right press opens, is closed unchosen.
        if (QWidget* menu = QApplication::activePopupWidget())
            menu->close();
    }
    EXPECT_TRUE(window->isVisible()) << "a right click on exit is no click";
    EXPECT_EQ(State().GameBoard, board) << "a right click on NEW deals nothing";
    ClickControl(QStringLiteral("Image16"));
    EXPECT_EQ(Find(QStringLiteral("Image16"))->Picture(), looks->Picture(0));
    EXPECT_NE(State().GameBoard, board) << "a left click on NEW deals";
}

std::string StoredScheme(const std::filesystem::path& file)
{
    Registry registry(file);
    return registry.OpenKey(SchemeKey, false) ? registry.ReadString(SchemeValueName) : "<no key>";
}

TEST_F(Window, SchemeButtonsRedrawEverythingAndTheNextStartUsesTheLastChoice)
{
    Start();
    EXPECT_TRUE(BoardShown(1));
    const Matrix board = State().GameBoard;
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    EXPECT_EQ(State().GameBoard, board) << "a second activation deals nothing";
    ClickControl(QStringLiteral("Image13"));
    EXPECT_TRUE(BoardShown(3));
    EXPECT_EQ(Find<BackgroundPicture>(QStringLiteral("Background"))->Picture(), LoadJpegFile(QStringLiteral("b3.jpg")));
    EXPECT_EQ(State().GameBoard, board) << "a scheme changes pictures only";
    Restart();
    EXPECT_EQ(Scheme(), 3);
    EXPECT_TRUE(BoardShown(3));
}

// A bad stored scheme or a missing names file is told once at the start,
// and the game goes on: a board in scheme 1 on its background, the table in
// its lists as far as it could be read.
TEST_F(Window, AStartErrorIsToldOnceAndTheGameGoesOn)
{
    const struct { const char* what; QString message; int lines; } cases[] = {
        {"Scheme=REG_SZ:two\n", "'two' is not a valid integer value.", 10},
        {nullptr, "Cannot open file H.dat.", 0},
    };
    for (const auto& c : cases) {
        TearDown();
        std::filesystem::remove_all(folder.SettingsFile().parent_path());
        std::filesystem::create_directories(folder.SettingsFile().parent_path());
        if (c.what)
            std::ofstream(folder.SettingsFile(), std::ios::binary) << "[" << SchemeKey << "]\n" << c.what;
        else
            QFile::remove(folder.Path("H.dat"));
        ModalWatcher watcher;
        Start();
        ASSERT_TRUE(WaitUntil([&] { return !watcher.boxes.empty(); })) << c.message.toStdString();
        EXPECT_EQ(watcher.boxes, QStringList{c.message});
        EXPECT_EQ(Scheme(), 1);
        EXPECT_TRUE(BoardShown(1)) << c.message.toStdString();
        EXPECT_EQ(Find<ListBox>("ListBox1")->Lines().size(), c.lines) << c.message.toStdString();
    }
}

// Only a new scheme reads its background: undo redraws the board on the one
// shown, even with the file gone.
TEST_F(Window, AMissingBackgroundIsReportedOnlyWhenANewSchemeNeedsIt)
{
    Start();
    PlayOneMove();
    QFile::remove(folder.Path("b1.jpg"));
    QFile::remove(folder.Path("b2.jpg"));
    ModalWatcher watcher;
    Key(Qt::Key_U);
    EXPECT_EQ(State().GameBoard, OneMove);
    EXPECT_TRUE(BoardShown(1));
    EXPECT_EQ(SavedGameFile(SavedGameFile::BesideStore(folder.SettingsFile())).Load()->Board, OneMove);
    ClickControl(QStringLiteral("Image12"));
    EXPECT_EQ(watcher.boxes, QStringList{"Cannot open file b2.jpg."});
    EXPECT_EQ(StoredScheme(folder.SettingsFile()), "2");
    // The next drawn cell uses the new scheme.
    window->ButtonClick(1, 1);
    EXPECT_EQ(Cell(1, 1)->Picture(), List("Sxema2Small")->Picture(OneMove[0]));
}

// Errors of the game's own kind are shown by the window tests; any other
// kind must be shown too, not end the program.
TEST(ErrorDisplay, AnyErrorInATimerTickIsShownAndTheProgramGoesOn)
{
    ModalWatcher watcher;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 1)
            throw 42;
    });
    timer.start(1);
    ASSERT_TRUE(WaitUntil([&] { return ticks >= 2; }));
    timer.stop();
    ASSERT_EQ(watcher.boxes.size(), 1);
    EXPECT_EQ(watcher.boxes[0], "") << "shown with an empty text";
}

} // namespace
} // namespace tumbaro::test
