// The speed key F: Normal, Fast and Instant in turn and remembered, a move at
// Instant settled within one turn of the event loop, and a refused swap
// marked on the board only when its beep is not heard.

#include "window_fixture.h"

#include "ui/board/pair_mark.h"
#include "ui/settings/speed_setting.h"

#include <QLabel>

namespace tumbaro::test {
namespace {

class Speeds : public WindowTest {
protected:
    Speed Now() { return Find<SpeedSetting>(QStringLiteral("SpeedSetting"))->Current(); }
    bool RefusalMarked() { return Find<PairMark>(QStringLiteral("RefusalMark"))->Shown(); }
};

TEST_F(Speeds, FStepsThroughNormalFastInstantAndIsRemembered)
{
    Start();
    EXPECT_EQ(Now(), Speed::Normal) << "nothing stored and no desktop to ask";
    const struct { Speed speed; int interval; const char* note; } steps[] = {
        {Speed::Fast, 50, "Speed: Fast"}, {Speed::Instant, 0, "Speed: Instant"}, {Speed::Normal, 100, "Speed: Normal"}};
    for (const auto& step : steps) {
        Key(Qt::Key_F);
        EXPECT_EQ(Find<QLabel>(QStringLiteral("SpeedNote"))->text(), step.note);
        Restart();
        EXPECT_EQ(Now(), step.speed) << step.note;
        EXPECT_EQ(Find<QTimer>(QStringLiteral("AnimationTimer"))->interval(), step.interval) << step.note;
    }
}

TEST_F(Speeds, InstantSettlesAtOnceAndOnlyASilentRefusalIsMarked)
{
    Start();
    Key(Qt::Key_F);
    Key(Qt::Key_F);
    SetBoard(OneMove);
    ClickCell(45);
    ClickCell(46);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Idle() && State().Score == 15 && BoardShown(1));

    for (const bool sound : {true, false}) {
        ClickCell(11);
        ClickCell(33);
        EXPECT_EQ(RefusalMarked(), !sound);
        Key(Qt::Key_M);
    }
    EXPECT_TRUE(WaitUntil([&] { return !RefusalMarked(); }, 360)) << "no longer than the beep";
}

} // namespace
} // namespace tumbaro::test
