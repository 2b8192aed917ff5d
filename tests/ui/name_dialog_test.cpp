// The window that takes a high scorer's name: the eight-letter limit, the
// stand-in name, and no way out but OK.

#include "scores/name_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

TEST(NameDialog, OnlyOkOrEnterTakesTheNameAndTheTextIsOfferedAgain)
{
    std::string name = "Earlier";
    tumbaro::THScore dialog(name);
    auto* edit = dialog.findChild<QLineEdit*>("Edit1");

    dialog.show();
    QTest::keyClicks(edit, "Kim");
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << "there is no way to cancel";
    dialog.close(); // as the window manager would
    EXPECT_EQ(name, "Earlier");
    dialog.show();
    EXPECT_EQ(edit->text(), "Kim");
    QTest::mouseClick(dialog.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_EQ(name, "Kim");

    const std::pair<const char*, const char*> cases[] = {{"", "Android"}, {" Bo b ", " Bo b "}, {"ABCDEFGHI", "ABCDEFGH"}};
    for (const auto& [typed, taken] : cases) {
        dialog.show();
        EXPECT_EQ(dialog.focusWidget(), edit) << "the name can be typed at once";
        edit->clear();
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(name, taken) << "typed '" << typed << "'";
    }
}
