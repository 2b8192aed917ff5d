// The hint: which move blinks, how it blinks, when there is none, and how a
// click or key ends it before doing its own work.

#include "window_fixture.h"

#include "engine/board.h"
#include "ui/hint_blink.h"

namespace tumbaro::test {
namespace {

// FirstMove finds (4,5)-(4,6): 6 6 7 6 in row 4.
const std::array<const char*, 8> OneMove = {"--------", "--------", "--------", "--6676--",
                                           "--------", "--------", "--------", "--------"};
const std::array<const char*, 8> NoMove = {"--------", "--------", "--------", "--------",
                                          "--------", "--------", "--------", "--------"};

class Hint : public WindowTest {
protected:
    HintBlink* Blink() { return window->findChild<HintBlink*>(QStringLiteral("HintBlink")); }
    QTimer* BlinkTimer() { return Blink()->findChild<QTimer*>(); }
    void H() { QTest::keyClick(window->windowHandle(), Qt::Key_H); }
    // Both hinted cells drawn small (true) or normal (false), in scheme 1.
    bool Shows(bool small)
    {
        const auto* list = List(small ? QStringLiteral("Sxema1Small") : QStringLiteral("Sxema1Big"));
        return Cell(4, 5)->Picture() == list->Picture(7) && Cell(4, 6)->Picture() == list->Picture(6);
    }
};

TEST_F(Hint, BlinksTheFirstMoveThreeTimesAndChangesNothingElse)
{
    Start();
    SetBoard(Overlay(OneMove));
    const auto move = FirstMove(State().GameBoard);
    ASSERT_TRUE(move);
    const QByteArray names = folder.Read("H.dat");
    H();
    ASSERT_TRUE(Blink()->Running());
    EXPECT_EQ(std::make_pair(Blink()->First(), Blink()->Second()), std::make_pair(move->First, move->Second));
    EXPECT_EQ(BlinkTimer()->interval() * HintBlink::Phases, 1200) << "three blinks in about 1.2 s";
    // The phases stepped by hand, faster than the timer would.
    for (int phase = 0; phase < HintBlink::Phases; ++phase) {
        EXPECT_TRUE(Shows(phase % 2 == 0)) << "phase " << phase;
        QMetaObject::invokeMethod(BlinkTimer(), "timeout");
    }
    EXPECT_FALSE(Blink()->Running());
    EXPECT_TRUE(BoardShown(1)) << "left normal";
    EXPECT_EQ(State().Score, 0);
    EXPECT_EQ(State().ExpectFirstPick, 1);
    EXPECT_FALSE(Find(QStringLiteral("Image15"))->isEnabled());
    EXPECT_EQ(folder.Read("H.dat"), names);

    // On the real timer it ends by itself, soon after 1.2 s, and the pair
    // it showed is a move the game takes.
    H();
    EXPECT_TRUE(WaitUntil([&] { return !Blink()->Running(); }, 3000));
    EXPECT_TRUE(BoardShown(1));
    ClickCell(45);
    ClickCell(46);
    EXPECT_FALSE(Idle()) << "the hinted swap is played";
    while (window->GameLogic().Tick()) {
    }
}

TEST_F(Hint, NothingBlinksDuringAMoveWhileABallIsPickedOrWithoutAMove)
{
    Start();
    SetBoard(Overlay(NoMove));
    H();
    EXPECT_FALSE(Blink()->Running()) << "no move";

    SetBoard(Overlay(OneMove));
    ClickCell(11);
    H();
    EXPECT_FALSE(Blink()->Running()) << "a ball is picked";
    EXPECT_EQ(Cell(1, 1)->Picture(), List(QStringLiteral("Sxema1Small"))->Picture(State().GameBoard[0]));
    ClickCell(11);

    ClickCell(45);
    ClickCell(46);
    H();
    EXPECT_FALSE(Blink()->Running()) << "during the move";
    ASSERT_TRUE(WaitUntil([&] { return Idle(); }));
}

TEST_F(Hint, AClickOrAKeyEndsTheBlinkBeforeActing)
{
    Start();
    SetBoard(Overlay(OneMove));
    struct Case {
        const char* what;
        std::function<void()> act;
        std::function<bool()> acted;
    };
    const Case cases[] = {
        {"a click on a hinted cell picks it", [&] { ClickCell(45); },
         [&] { return State().ExpectSecondPick == 1 && Cell(4, 5)->Picture() == List("Sxema1Small")->Picture(7)
                   && Cell(4, 6)->Picture() == List("Sxema1Big")->Picture(6); }},
        {"a scheme key redraws", [&] { QTest::keyClick(window->windowHandle(), Qt::Key_2); },
         [&] { return State().Scheme == 2 && BoardShown(2); }},
        {"an arrow shows the cursor", [&] { QTest::keyClick(window->windowHandle(), Qt::Key_Left); },
         [&] { return BoardShown(2); }},
    };
    for (const Case& c : cases) {
        H();
        QMetaObject::invokeMethod(BlinkTimer(), "timeout");
        QMetaObject::invokeMethod(BlinkTimer(), "timeout"); // small again
        c.act();
        EXPECT_FALSE(Blink()->Running()) << c.what;
        EXPECT_TRUE(c.acted()) << c.what;
        if (State().ExpectSecondPick == 1)
            ClickCell(45); // put the pick down
    }
}

} // namespace
} // namespace tumbaro::test
