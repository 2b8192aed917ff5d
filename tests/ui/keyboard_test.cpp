// The main window played from the keyboard: the board cursor, Space and
// Return as clicks, the shortcuts the real-display run leaves out, the keys
// and pastes that belong to the name box, the hint H blinks, and the sound
// switch M turns.

#include "window_fixture.h"

#include <QListView>

#include "platform/question_beep.h"
#include "platform/swap_sound.h"
#include "ui/board/hint_blink.h"
#include "ui/board/keyboard_cursor.h"
#include "ui/settings/sound_switch.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

namespace tumbaro::test {
namespace {

class Keyboard : public WindowTest {
protected:
    KeyboardCursor* Cursor() { return Find<KeyboardCursor>(QStringLiteral("KeyboardCursor")); }
    std::pair<int, int> At() { return {Cursor()->Row(), Cursor()->Column()}; }
    void Keys(int key, int times) { for (int i = 0; i < times; ++i) Key(key); }
    HintBlink* Blink() { return window->findChild<HintBlink*>(QStringLiteral("HintBlink")); }
    bool SoundOn() { return window->findChild<SoundSwitch*>(QStringLiteral("SoundSwitch"))->On(); }
    QString Note() { return window->findChild<QLabel*>(QStringLiteral("SoundNote"))->text(); }
    // Whether a refused pair and a move made a sound. A sound's player is
    // made when it first plays, or for the swap when a ball is picked, so
    // that no tick of the swap does that slow work.
    std::pair<bool, bool> SoundsOfAMove()
    {
        SetBoard(OneMove);
        ClickCell(11);
        const auto loaded = window->findChild<SwapSound*>()->children();
        ClickCell(33);
        PlayOneMove();
        EXPECT_EQ(window->findChild<SwapSound*>()->children(), loaded) << "a tick loaded a sound";
        return {!loaded.isEmpty(), !window->findChild<QuestionBeep*>()->children().isEmpty()};
    }
};

TEST_F(Keyboard, TheFirstArrowShowsTheCursorAndLaterOnesStopAtTheEdges)
{
    Start();
    const Matrix board = State().GameBoard;
    EXPECT_FALSE(Cursor()->isVisible()) << "a mouse player never sees it";
    Key(Qt::Key_Down);
    ASSERT_TRUE(Cursor()->isVisible());
    const struct { const char* what; int key, times; std::pair<int, int> at; } cases[] = {
        {"the first key only shows it", Qt::Key_Down, 0, {1, 1}},
        {"up stops at row 1", Qt::Key_Up, 1, {1, 1}},
        {"left stops at column 1", Qt::Key_Left, 1, {1, 1}},
        {"right stops at column 8", Qt::Key_Right, 9, {1, 8}},
        {"down stops at row 8", Qt::Key_Down, 9, {8, 8}},
    };
    for (const auto& c : cases) {
        Keys(c.key, c.times);
        EXPECT_EQ(At(), c.at) << c.what;
        EXPECT_EQ(Cursor()->geometry().center(), QRect(CellPosition(c.at.first, c.at.second), QSize(50, 50)).center())
            << c.what;
    }
    // The mouse hides it; the next arrow shows it where it was, unmoved.
    QTest::mouseMove(window->windowHandle(), QPoint(40, 40));
    QTest::mouseMove(window->windowHandle(), QPoint(60, 70));
    EXPECT_FALSE(Cursor()->isVisible());
    Key(Qt::Key_Left);
    EXPECT_EQ(At(), std::make_pair(8, 8));
    EXPECT_EQ(State().GameBoard, board) << "moving the cursor plays nothing";

    // In a list of the table the arrows walk its entries; the keys stay the game's.
    auto* names = Find<QListView>(QStringLiteral("ListBox1"));
    names->setFocus();
    names->setCurrentIndex(names->model()->index(0, 0));
    Keys(Qt::Key_Down, 2);
    EXPECT_EQ(names->currentIndex().row(), 2);
    EXPECT_EQ(At(), std::make_pair(8, 8));
    Key(Qt::Key_M);
    EXPECT_TRUE(Find<QLabel>(QStringLiteral("SoundNote"))->isVisible()) << "M still switches the sound";
}

TEST_F(Keyboard, SpaceAndReturnActLikeClicksAndPickNothingDuringAMove)
{
    Start();
    SetBoard(OneMove);
    Key(Qt::Key_Space);
    EXPECT_FALSE(State().Picked) << "Space on a hidden cursor only shows it";
    Keys(Qt::Key_Down, 3);
    Keys(Qt::Key_Right, 4);
    Key(Qt::Key_Return);
    EXPECT_EQ(State().Picked, (Pick{4, 5}));
    Key(Qt::Key_Right);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(Animating()) << "the swap runs";
    Key(Qt::Key_Down);
    EXPECT_EQ(At(), std::make_pair(5, 6)) << "the cursor moves during the move";
    Key(Qt::Key_Space);
    EXPECT_TRUE(State().FirstPick == (Pick{4, 5}) && !State().Picked) << "keys during a move pick nothing";
    ASSERT_TRUE(WaitUntil([&] { return !Animating(); }));
    EXPECT_EQ(State().Score, 15);
}

// Records the pages handed to the desktop instead of opening them.
class PageCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> pages;
public slots:
    void Open(const QUrl& url) { pages.append(url); }
};

// U, 1 to 3, N, M and Ctrl+Q are played on the real display.
TEST_F(Keyboard, TheOtherShortcutsDoWhatTheirButtonsDo)
{
    Start();
    PageCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    bool ended = false;
    QObject::connect(window.get(), &TTumbaro::Terminated, [&] { ended = true; });
    const struct { int key; Qt::KeyboardModifiers mods; bool undone, dealt; int scheme; } cases[] = {
        {Qt::Key_Backspace, Qt::NoModifier, true, false, 1}, {Qt::Key_Z, Qt::ControlModifier, true, false, 1},
        {Qt::Key_Z, Qt::NoModifier, false, false, 1},        {Qt::Key_Q, Qt::NoModifier, false, false, 1},
        {Qt::Key_F2, Qt::NoModifier, false, true, 1},        {Qt::Key_3, Qt::KeypadModifier, false, false, 3},
        {Qt::Key_F1, Qt::NoModifier, false, false, 3},
    };
    for (const auto& c : cases) {
        PlayOneMove();
        const Matrix played = State().GameBoard;
        Key(c.key, c.mods);
        EXPECT_EQ(State().GameBoard == OneMove, c.undone) << c.key;
        EXPECT_EQ(State().GameBoard != played && State().GameBoard != OneMove, c.dealt) << c.key;
        EXPECT_EQ(Scheme(), c.scheme) << c.key;
        EXPECT_TRUE(BoardShown(c.scheme)) << c.key;
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.pages.size(), 1);
    EXPECT_TRUE(catcher.pages[0].toLocalFile().endsWith(QLatin1String("Help/Vendrask.html")));
    EXPECT_FALSE(ended) << "Q without Ctrl";
}

// The name box over the window: what is typed stays in it, what is pasted
// becomes one line of printable text, and only OK or Enter (as every
// high-score test presses) takes the name; Escape or the window manager's
// close take nothing.
TEST_F(Keyboard, WhatIsTypedOrPastedInTheNameBoxStaysThereAndOnlyOkOrEnterTakeIt)
{
    Start();
    const Matrix board = State().GameBoard;
    std::string name = "Earlier";
    THScore dialog(name, window.get());
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    dialog.show();
    ASSERT_TRUE(WaitUntil([&] { return dialog.windowHandle() && dialog.isVisible(); }));
    EXPECT_EQ(dialog.focusWidget(), edit) << "the name can be typed at once";
    for (const int key : {Qt::Key_N, Qt::Key_3, Qt::Key_U, Qt::Key_H, Qt::Key_M, Qt::Key_Right, Qt::Key_Space, Qt::Key_Escape})
        QTest::keyClick(dialog.windowHandle(), static_cast<Qt::Key>(key));
    EXPECT_EQ(edit->text(), "n3uhm ");
    EXPECT_TRUE(dialog.isVisible()) << "there is no way to cancel";
    EXPECT_TRUE(State().GameBoard == board && Scheme() == 1 && !Cursor()->isVisible());
    EXPECT_FALSE(Find<QWidget>(QStringLiteral("SoundNote"))->isVisible());
    dialog.close();
    EXPECT_EQ(name, "Earlier");
    dialog.show();
    EXPECT_EQ(edit->text(), "n3uhm ") << "offered again";

    // Whatever is pasted, the name stays one line of printable text.
    const struct { QString pasted, text; } cases[] = {
        {"Kim\nBo", "Kim Bo"}, {"Kim\r\nBo", "Kim Bo"}, {"Kim\rBo", "Kim Bo"},
        {QString("Kim") + QChar(0x2028) + "Bo", "Kim Bo"}, {QString("Kim") + QChar(0x2029) + "Bo", "Kim Bo"},
        {QString("Ki") + QChar(0) + "m", "Kim"}, {"\tKim\x1B", "Kim"}, {QString("K") + QChar(0x85) + QChar(0x7F) + "im", "Kim"},
        {"Kim\nBo\nAnnabelle", "Kim Bo A"}, // one line, cut at eight characters
        {QString(QChar(0x200F)) + "Kim", QString(QChar(0x200F)) + "Kim"}, // bidi marks stay
    };
    for (const auto& c : cases) {
        edit->clear();
        QApplication::clipboard()->setText(c.pasted);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->text(), c.text) << c.pasted.toStdString();
    }

    // Pasted between two letters, the cursor ends after what was pasted.
    edit->setText("AB");
    edit->setCursorPosition(1);
    QApplication::clipboard()->setText("x\r\ny");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "Ax yB");
    EXPECT_EQ(edit->cursorPosition(), 4);
    QTest::keyClicks(edit, "z");
    EXPECT_EQ(edit->text(), "Ax yzB");
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    EXPECT_EQ(name, "Ax yzB");
}

TEST_F(Keyboard, HBlinksTheMoveThreeTimesOnlyWhenThereIsOneAndNothingIsUnderWay)
{
    Start();
    SetBoard(OneMove);
    Key(Qt::Key_H);
    ASSERT_TRUE(Blink()->Running());
    for (int phase = 0; phase < HintBlink::Phases; ++phase) {
        // OneMove's hinted pair, (4,5) and (4,6), both drawn small or both normal.
        const auto* list = List(phase % 2 == 0 ? QStringLiteral("Sxema1Small") : QStringLiteral("Sxema1Big"));
        EXPECT_TRUE(Cell(4, 5)->Picture() == list->Picture(7) && Cell(4, 6)->Picture() == list->Picture(6)) << phase;
        QMetaObject::invokeMethod(Blink()->findChild<QTimer*>(), "timeout"); // stepped, not waited for
    }
    EXPECT_FALSE(Blink()->Running());
    EXPECT_TRUE(BoardShown(1)) << "left normal";

    // A key or a click during the blink ends it, and both balls are normal
    // again before the key or click acts.
    Key(Qt::Key_H);
    Key(Qt::Key_2);
    EXPECT_FALSE(Blink()->Running());
    EXPECT_TRUE(BoardShown(2));
    Key(Qt::Key_H);
    ClickCell(45);
    EXPECT_FALSE(Blink()->Running());
    EXPECT_EQ(Cell(4, 6)->Picture(), List(QStringLiteral("Sxema2Big"))->Picture(6));
    ClickCell(45);

    ClickCell(11);
    Key(Qt::Key_H);
    EXPECT_FALSE(Blink()->Running()) << "a ball is picked";
    ClickCell(11);
    ClickCell(45);
    ClickCell(46);
    Key(Qt::Key_H);
    EXPECT_FALSE(Blink()->Running()) << "during the move";
    ASSERT_TRUE(WaitUntil([&] { return !Animating(); }));
    SetBoard(NoMove);
    Key(Qt::Key_H);
    EXPECT_FALSE(Blink()->Running()) << "no move";
}

// M silences both sounds and S draws a symbol on every ball; a new run
// starts as the last one was left.
TEST_F(Keyboard, MAndSSwitchSoundAndSymbolsAndAreRemembered)
{
    Start();
    const auto pink = [&] { return List(QStringLiteral("Sxema1Small"))->Picture(7); };
    const QImage plain = pink();
    ASSERT_TRUE(SoundOn()) << "on with nothing stored";
    EXPECT_TRUE(window->findChild<SwapSound*>()->children().isEmpty()) << "a window only looked at loads no sound";
    Key(Qt::Key_M);
    Key(Qt::Key_S);
    EXPECT_EQ(Note(), "Sound off");
    EXPECT_TRUE(!pink().isNull() && pink() != plain);
    EXPECT_TRUE(BoardShown(1)) << "the board is drawn again at once";
    EXPECT_EQ(SoundsOfAMove(), std::make_pair(false, false));

    Restart();
    EXPECT_FALSE(SoundOn());
    EXPECT_TRUE(!pink().isNull() && pink() != plain);
    Key(Qt::Key_M);
    Key(Qt::Key_S);
    EXPECT_EQ(Note(), "Sound on");
    EXPECT_EQ(pink(), plain);
    EXPECT_EQ(SoundsOfAMove(), std::make_pair(true, true));
}

} // namespace
} // namespace tumbaro::test

#include "keyboard_test.moc"
