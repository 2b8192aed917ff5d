// The hint: which move blinks and how, when there is none, and how a click or
// a key ends it before doing its own work.

#include "window_fixture.h"

#include "ui/hint_blink.h"

namespace tumbaro::test {
namespace {

class Hint : public WindowTest {
protected:
    HintBlink* Blink() { return window->findChild<HintBlink*>(QStringLiteral("HintBlink")); }
    // One blink phase, stepped by hand rather than waited for.
    void Step() { QMetaObject::invokeMethod(Blink()->findChild<QTimer*>(), "timeout"); }
    // OneMove's hinted pair, (4,5) and (4,6), both drawn small or both normal.
    bool Shows(bool small)
    {
        const auto* list = List(small ? QStringLiteral("Sxema1Small") : QStringLiteral("Sxema1Big"));
        return Cell(4, 5)->Picture() == list->Picture(7) && Cell(4, 6)->Picture() == list->Picture(6);
    }
};

TEST_F(Hint, BlinksTheMoveThreeTimesOnlyWhenThereIsOneAndNothingIsUnderWay)
{
    Start();
    SetBoard(OneMove);
    Key(Qt::Key_H);
    ASSERT_TRUE(Blink()->Running());
    for (int phase = 0; phase < HintBlink::Phases; ++phase) {
        EXPECT_TRUE(Shows(phase % 2 == 0)) << "phase " << phase;
        Step();
    }
    EXPECT_FALSE(Blink()->Running());
    EXPECT_TRUE(BoardShown(1)) << "left normal";
    EXPECT_EQ(State().GameBoard, OneMove);

    ClickCell(11);
    Key(Qt::Key_H);
    EXPECT_FALSE(Blink()->Running()) << "a ball is picked";
    ClickCell(11);
    ClickCell(45);
    ClickCell(46);
    Key(Qt::Key_H);
    EXPECT_FALSE(Blink()->Running()) << "during the move";
    ASSERT_TRUE(WaitUntil([&] { return Idle(); }));
    SetBoard(Overlay({"--------", "--------", "--------", "--------", "--------", "--------", "--------", "--------"}));
    Key(Qt::Key_H);
    EXPECT_FALSE(Blink()->Running()) << "no move";
}

TEST_F(Hint, AClickOrAKeyEndsTheBlinkBeforeActing)
{
    Start();
    SetBoard(OneMove);
    const struct { const char* what; std::function<void()> act; std::function<bool()> acted; } cases[] = {
        {"a scheme key redraws", [&] { Key(Qt::Key_2); }, [&] { return State().Scheme == 2 && BoardShown(2); }},
        {"a click on a hinted cell picks only it", [&] { ClickCell(45); },
         [&] { return State().ExpectSecondPick == 1 && Cell(4, 6)->Picture() == List("Sxema2Big")->Picture(6); }},
    };
    for (const auto& c : cases) {
        Key(Qt::Key_H);
        Step();
        Step(); // small again
        c.act();
        EXPECT_FALSE(Blink()->Running()) << c.what;
        EXPECT_TRUE(c.acted()) << c.what;
    }
}

} // namespace
} // namespace tumbaro::test
