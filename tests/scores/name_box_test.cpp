// The name box keeps a name to one line of printable text whatever is typed
// or pasted into it, with the cursor where the player left it.

#include "scores/name_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace {

TEST(NameBox, PastedLineBreaksBecomeSpacesAndControlsAreDropped)
{
    std::string name;
    tumbaro::THScore dialog(name);
    auto* edit = dialog.findChild<QLineEdit*>("Edit1");
    dialog.show();
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
}

} // namespace
