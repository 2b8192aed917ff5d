// The main window played from the keyboard: the board cursor, Space and
// Return as clicks, every shortcut against its button, and the keys that
// belong to the name dialog.

#include "window_fixture.h"

#include "platform/registry_store.h"
#include "ui/keyboard_cursor.h"
#include "ui/scheme_setting.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QUrl>

namespace tumbaro::test {
namespace {

// 7 at (4,5) and 6 at (4,6): swapping them makes 6 6 6 in row 4.
const std::array<const char*, 8> OneMove = {"--------", "--------", "--------", "--6676--",
                                           "--------", "--------", "--------", "--------"};

class Keyboard : public WindowTest {
protected:
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(window->windowHandle(), static_cast<Qt::Key>(key), mods);
    }
    void Keys(std::initializer_list<int> keys)
    {
        for (int key : keys)
            Key(key);
    }
    KeyboardCursor* Cursor() { return Find<KeyboardCursor>(QStringLiteral("KeyboardCursor")); }
    std::pair<int, int> At() { return {Cursor()->Row(), Cursor()->Column()}; }
    // Puts the shown cursor on (row, column) from wherever it is.
    void CursorTo(int row, int column)
    {
        if (!Cursor()->isVisible())
            Key(Qt::Key_Right);
        while (Cursor()->Row() != row)
            Key(Cursor()->Row() < row ? Qt::Key_Down : Qt::Key_Up);
        while (Cursor()->Column() != column)
            Key(Cursor()->Column() < column ? Qt::Key_Right : Qt::Key_Left);
    }
};

TEST_F(Keyboard, TheFirstArrowShowsTheCursorAndLaterOnesStepUpToTheEdges)
{
    Start();
    const Matrix board = State().GameBoard;
    EXPECT_FALSE(Cursor()->isVisible()) << "a mouse player never sees it";
    Key(Qt::Key_Down);
    ASSERT_TRUE(Cursor()->isVisible());
    EXPECT_EQ(At(), std::make_pair(1, 1)) << "the first key only shows it";
    EXPECT_EQ(Cursor()->geometry(), QRect(CellPosition(1, 1), QSize(50, 50)).adjusted(-2, -2, 2, 2));

    struct Case {
        const char* what;
        std::initializer_list<int> keys;
        std::pair<int, int> at;
    };
    const Case cases[] = {
        {"up and left stop at the top-left corner", {Qt::Key_Up, Qt::Key_Left}, {1, 1}},
        {"one step right", {Qt::Key_Right}, {1, 2}},
        {"right stops at column 8", {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                                    Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}, {1, 8}},
        {"down stops at row 8", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                                 Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, {8, 8}},
        {"down and right stop at the bottom-right corner", {Qt::Key_Down, Qt::Key_Right}, {8, 8}},
        {"one step left and up", {Qt::Key_Left, Qt::Key_Up}, {7, 7}},
    };
    for (const Case& c : cases) {
        Keys(c.keys);
        EXPECT_EQ(At(), c.at) << c.what;
        EXPECT_EQ(Cursor()->geometry().topLeft(), CellPosition(c.at.first, c.at.second) - QPoint(2, 2)) << c.what;
    }

    // The mouse hides it; the next arrow shows it where it was, unmoved.
    QTest::mouseMove(window->windowHandle(), QPoint(40, 40));
    QTest::mouseMove(window->windowHandle(), QPoint(60, 70));
    EXPECT_FALSE(Cursor()->isVisible());
    Key(Qt::Key_Left);
    EXPECT_TRUE(Cursor()->isVisible());
    EXPECT_EQ(At(), std::make_pair(7, 7));
    EXPECT_EQ(State().GameBoard, board) << "moving the cursor plays nothing";
    EXPECT_EQ(State().ExpectFirstPick, 1);
}

TEST_F(Keyboard, SpaceAndReturnActLikeClicksAndWaitForTheBoardToSettle)
{
    Start();
    SetBoard(Overlay(OneMove));
    const auto& small = *List(QStringLiteral("Sxema1Small"));

    // Space on a hidden cursor only shows it.
    Key(Qt::Key_Space);
    EXPECT_TRUE(Cursor()->isVisible());
    EXPECT_EQ(State().ExpectFirstPick, 1);

    // A refused pair: the pick and the partner, and the pick is over.
    CursorTo(4, 5);
    Key(Qt::Key_Space);
    EXPECT_EQ(State().FirstPick, (Pick{4, 5}));
    EXPECT_EQ(Cell(4, 5)->Picture(), small.Picture(7)) << "the pick shrinks as on a click";
    CursorTo(5, 6);
    Key(Qt::Key_Return);
    EXPECT_EQ(State().SecondPick, (Pick{5, 6}));
    EXPECT_EQ(State().ExpectFirstPick, 1);
    EXPECT_EQ(State().GameBoard, Overlay(OneMove));
    EXPECT_TRUE(BoardShown(1));

    // The real move; during it keys move the cursor but pick nothing.
    CursorTo(4, 5);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    CursorTo(4, 6);
    Key(Qt::Key_Space);
    ASSERT_FALSE(Idle()) << "the swap runs";
    Key(Qt::Key_Down);
    EXPECT_EQ(At(), std::make_pair(5, 6));
    Key(Qt::Key_Space);
    Key(Qt::Key_Up);
    Key(Qt::Key_Space);
    EXPECT_EQ(State().FirstPick, (Pick{4, 5})) << "keys during a move pick nothing";
    ASSERT_TRUE(WaitUntil([&] { return Idle(); }));
    EXPECT_EQ(State().Score, 15);
    EXPECT_EQ(State().ExpectFirstPick, 1);
    EXPECT_TRUE(BoardShown(1));
}

// Records the pages handed to the desktop instead of opening them.
class PageCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> pages;
public slots:
    void Open(const QUrl& url) { pages.append(url); }
};

TEST_F(Keyboard, EachShortcutDoesWhatItsButtonDoes)
{
    Start();
    const auto& looks = *List(QStringLiteral("ImageList2"));
    auto* undo = Find(QStringLiteral("Image15"));

    // Undo: three keys, each only while the button is enabled.
    for (const auto& [key, mods] : {std::pair{Qt::Key_U, Qt::NoModifier}, {Qt::Key_Backspace, Qt::NoModifier},
                                    {Qt::Key_Z, Qt::ControlModifier}}) {
        SetBoard(Overlay(OneMove));
        Key(key, mods);
        EXPECT_EQ(State().GameBoard, Overlay(OneMove)) << key << ": nothing to undo yet";
        ClickCell(45);
        ClickCell(46);
        while (window->GameLogic().Tick()) {
        }
        ASSERT_TRUE(undo->isEnabled());
        Key(key, mods);
        EXPECT_EQ(State().GameBoard, Overlay(OneMove)) << key;
        EXPECT_EQ(State().Score, 0) << key;
        EXPECT_FALSE(undo->isEnabled()) << key;
        EXPECT_EQ(undo->Picture(), looks.Picture(2)) << key << ": the button's released look";
        EXPECT_TRUE(BoardShown(1)) << key;
    }
    Key(Qt::Key_Z); // without Ctrl it is no shortcut

    // New game: N and F2.
    for (const int key : {Qt::Key_N, Qt::Key_F2}) {
        SetBoard(Overlay(OneMove));
        State().Score = 40;
        Key(key);
        EXPECT_NE(State().GameBoard, Overlay(OneMove)) << key;
        EXPECT_EQ(ScoreText(), "0") << key;
        EXPECT_EQ(Find(QStringLiteral("Image16"))->Picture(), looks.Picture(0)) << key;
    }

    // Schemes: drawn and remembered, the keypad's digits too.
    for (const auto& [key, mods, scheme] :
         {std::tuple{Qt::Key_2, Qt::NoModifier, 2}, {Qt::Key_3, Qt::KeypadModifier, 3}, {Qt::Key_1, Qt::NoModifier, 1}}) {
        Key(key, mods);
        EXPECT_EQ(State().Scheme, scheme);
        EXPECT_TRUE(BoardShown(scheme));
        Registry registry(folder.SettingsFile());
        EXPECT_EQ(ReadStoredScheme(registry).value_or(0), scheme);
    }

    // Help: the page goes to the desktop and the button shows its released look.
    PageCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    Key(Qt::Key_F1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.pages.size(), 1);
    EXPECT_TRUE(catcher.pages[0].toLocalFile().endsWith(QLatin1String("Help/Vendrask.html")));
    EXPECT_EQ(Find(QStringLiteral("Help"))->Picture(), looks.Picture(6));

    // Exit: Q alone does nothing, Ctrl+Q ends the game like the button.
    bool ended = false;
    QObject::connect(window.get(), &TTumbaro::Terminated, [&] { ended = true; });
    Key(Qt::Key_Q);
    EXPECT_FALSE(ended);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(ended);
}

TEST_F(Keyboard, KeysTypedInTheNameDialogStayThere)
{
    Start();
    const Matrix board = State().GameBoard;
    dialog->show();
    ASSERT_TRUE(WaitUntil([&] { return dialog->windowHandle() && dialog->isVisible(); }));
    for (const int key : {Qt::Key_N, Qt::Key_1, Qt::Key_3, Qt::Key_U, Qt::Key_H, Qt::Key_M, Qt::Key_Right, Qt::Key_Space})
        QTest::keyClick(dialog->windowHandle(), static_cast<Qt::Key>(key));
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    EXPECT_EQ(edit->text(), "n13uhm ");
    EXPECT_EQ(State().GameBoard, board);
    EXPECT_EQ(State().Scheme, 1);
    EXPECT_FALSE(Cursor()->isVisible());
    EXPECT_FALSE(Find<QWidget>(QStringLiteral("SoundNote"))->isVisible());
    dialog->hide();
}

} // namespace
} // namespace tumbaro::test

#include "keyboard_test.moc"
