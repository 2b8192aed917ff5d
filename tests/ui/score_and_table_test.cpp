// The score box and the table draw themselves until the player reaches for
// them; then Qt's own editor and item views take over, looking the same.

#include "window_fixture.h"

#include "ui/controls/list_box.h"
#include "ui/controls/score_box.h"

#include <QListWidget>
#include <QTextEdit>

namespace tumbaro::test {
namespace {

using ScoreAndTable = WindowTest;

TEST_F(ScoreAndTable, LookTheSameBeforeAndAfterTheRealControlsAreBuilt)
{
    Start();
    auto* memo = Find<ScoreBox>("Memo1");
    auto* names = Find<ListBox>("ListBox1");
    auto* scores = Find<ListBox>("ListBox2");
    for (OnDemandControl* control : std::initializer_list<OnDemandControl*> {memo, names, scores})
        ASSERT_EQ(control->Real(), nullptr) << control->objectName().toStdString() << " is built at start";
    memo->SetText(QStringLiteral("1234567"));
    // With the focus, as when the window opens: the text cursor after the score.
    memo->setFocus(Qt::ActiveWindowFocusReason);
    // Wider than the box: cut at its edge, not shortened.
    names->SetLines({QStringLiteral("ABCDEFGHIJKL"), QString::fromUtf8("Łukasz Ż"), QString(), QStringLiteral("Jo")});
    for (OnDemandControl* control : std::initializer_list<OnDemandControl*> {memo, names, scores}) {
        const QImage before = control->grab().toImage();
        control->Realize();
        EXPECT_EQ(control->grab().toImage(), before) << control->objectName().toStdString();
    }
    EXPECT_TRUE(memo->Real()->hasFocus()) << "the editor drew its cursor";
    // Later changes reach the real controls.
    memo->SetText(QStringLiteral("15"));
    EXPECT_EQ(static_cast<QTextEdit*>(memo->Real())->toPlainText(), "15");
    EXPECT_EQ(memo->Text(), "15");
}

TEST_F(ScoreAndTable, AClickOrTabReachesTheRealControl)
{
    Start();
    auto* names = Find<ListBox>("ListBox1");
    // A press straight on the resting list, with no pointer entering first.
    QTest::mouseClick(names, Qt::LeftButton, {}, QPoint(20, 2 + 2 * ListBox::ItemHeight + 13));
    auto* view = qobject_cast<QListWidget*>(names->Real());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->currentRow(), 2);
    EXPECT_TRUE(view->currentItem()->isSelected());

    // The score box keeps the focus it gets when the window opens without
    // building anything; a key builds the editor, which takes it.
    auto* memo = Find<ScoreBox>("Memo1");
    memo->setFocus(Qt::ActiveWindowFocusReason);
    EXPECT_EQ(memo->Real(), nullptr);
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    auto* edit = qobject_cast<QTextEdit*>(memo->Real());
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->textCursor().selectedText(), "0");
    Key(Qt::Key_Tab);
    EXPECT_TRUE(view->hasFocus()) << "Tab goes on from the score to the names";

    // More lines than fit need the scroll bar at once.
    auto* scores = Find<ListBox>("ListBox2");
    scores->SetLines(QStringList(14, QStringLiteral("10")));
    EXPECT_NE(scores->Real(), nullptr);
}

} // namespace
} // namespace tumbaro::test
