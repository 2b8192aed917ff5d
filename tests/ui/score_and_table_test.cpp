// The score box and the two lists of the table: the table's model drives
// both lists, a new table changes lines in place, and the real controls
// take clicks, keys and Tab.

#include "window_fixture.h"

#include "ui/controls/score_box.h"
#include "ui/table/high_score_model.h"

namespace tumbaro::test {
namespace {

using ScoreAndTable = WindowTest;

TEST_F(ScoreAndTable, ANewTableChangesLinesInPlaceAndTheScoreIsReadOnly)
{
    Start();
    auto* model = window->findChild<HighScoreModel*>();
    auto* names = Find<ListBox>("ListBox1");
    auto* scores = Find<ListBox>("ListBox2");
    model->SetTable({{"Ann", "Bo", "Cy"}, {"30", "20", "10"}});
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, QPoint(20, 2 * ListBox::ItemHeight + 13));
    EXPECT_EQ(names->currentIndex().row(), 2);
    model->SetTable({{"Ann", "Bo", "Cy", "Di"}, {"30", "25", "10", "5"}});
    EXPECT_EQ(scores->Lines(), QStringList({"30", "25", "10", "5"}));
    EXPECT_TRUE(names->selectionModel()->isRowSelected(2, {})) << "the unchanged line stays selected";
    model->SetTable({{"Ann"}, {"30"}});
    EXPECT_EQ(names->Lines(), QStringList({"Ann"}));

    // The score can be selected, not changed, and Tab goes on to the names.
    auto* memo = Find<ScoreBox>("Memo1");
    memo->setFocus(Qt::ActiveWindowFocusReason);
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(memo->textCursor().selectedText(), "0");
    QTest::keyClicks(memo, "99");
    EXPECT_EQ(memo->Text(), "0");
    Key(Qt::Key_Tab);
    EXPECT_TRUE(names->hasFocus());
}

} // namespace
} // namespace tumbaro::test
