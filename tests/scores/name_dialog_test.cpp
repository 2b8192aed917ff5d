#include "scores/name_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <utility>

namespace tumbaro {
namespace {

class NameDialog : public testing::Test {
protected:
    NameDialog() : dialog_(playerName_) {}

    QLineEdit* Edit() { return dialog_.findChild<QLineEdit*>("Edit1"); }
    QPushButton* Ok() { return dialog_.findChild<QPushButton*>("Button1"); }

    // Shows the dialog as the game does and runs `player` inside its modal wait.
    void RunModal(std::function<void()> player)
    {
        QTimer::singleShot(0, &dialog_, [this, player] {
            player();
            // The player always leaves; a test whose input did not close it fails here.
            if (dialog_.isVisible()) {
                ADD_FAILURE() << "dialog still open";
                dialog_.hide();
            }
        });
        dialog_.exec();
    }

    std::string playerName_;
    THScore dialog_;
};

TEST_F(NameDialog, ControlsStandWhereTheLayoutPutsThem)
{
    EXPECT_EQ(dialog_.objectName(), "HScore");
    EXPECT_EQ(dialog_.windowTitle(), "HScore");
    EXPECT_EQ(dialog_.minimumSize(), QSize(260, 176));
    EXPECT_EQ(dialog_.maximumSize(), QSize(260, 176));
    EXPECT_TRUE(dialog_.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(dialog_.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint));
    EXPECT_EQ(dialog_.font().pixelSize(), 11);

    const struct { const char* name; QRect geometry; const char* text; int pixelSize; } labels[] = {
        {"Label1", QRect(56, 0, 149, 26), "Congratulations!!!", 19},
        {"Label2", QRect(16, 32, 222, 23), "You reached the Hight Score!!!", 16},
        {"Label3", QRect(48, 56, 158, 23), "Plese enter your name", 16}};
    for (const auto& expected : labels) {
        const auto* label = dialog_.findChild<QLabel*>(expected.name);
        ASSERT_NE(label, nullptr) << expected.name;
        EXPECT_EQ(label->geometry(), expected.geometry) << expected.name;
        EXPECT_EQ(label->text(), expected.text) << expected.name;
        EXPECT_EQ(label->font().pixelSize(), expected.pixelSize) << expected.name;
    }
    ASSERT_TRUE(Edit() && Ok());
    EXPECT_EQ(Edit()->geometry(), QRect(72, 88, 113, 21));
    EXPECT_EQ(Ok()->geometry(), QRect(96, 128, 73, 33));
    EXPECT_EQ(Ok()->text(), "OK");
    EXPECT_TRUE(Ok()->isDefault());
}

TEST_F(NameDialog, ShowingCentresItAndFocusesTheEditBox)
{
    RunModal([this] {
        EXPECT_EQ(dialog_.focusWidget(), Edit());
        EXPECT_EQ(dialog_.frameGeometry().center(), dialog_.screen()->geometry().center());
        Ok()->setFocus();
        QTest::keyClick(Ok(), Qt::Key_Tab);
        EXPECT_EQ(dialog_.focusWidget(), Edit()) << "the edit box comes after the button";
        QTest::keyClick(Edit(), Qt::Key_Return);
    });
}

TEST_F(NameDialog, EnterInTheEditBoxTakesTheName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "Android"}, {" ", " "}, {" Bo b ", " Bo b "}, {"ABCDEFGH", "ABCDEFGH"},
        {"ABCDEFGHI", "ABCDEFGH"}};
    for (const auto& [typed, name] : cases) {
        Edit()->clear();
        RunModal([&] {
            QTest::keyClicks(Edit(), typed);
            QTest::keyClick(Edit(), Qt::Key_Return);
        });
        EXPECT_EQ(playerName_, name) << "typed '" << typed << "'";
    }
}

TEST_F(NameDialog, EscapeAndTheWindowManagerLeaveTheNameAlone)
{
    playerName_ = "Earlier";
    dialog_.show();
    QTest::keyClicks(Edit(), "Zoe");
    QTest::keyClick(Edit(), Qt::Key_Escape);
    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_EQ(playerName_, "Earlier");

    dialog_.close();
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(playerName_, "Earlier");
}

TEST_F(NameDialog, TheNameIsOfferedAgainNextTime)
{
    RunModal([this] {
        QTest::keyClicks(Edit(), "Kim");
        QTest::mouseClick(Ok(), Qt::LeftButton);
    });
    playerName_.clear();
    RunModal([this] {
        EXPECT_EQ(Edit()->text(), "Kim");
        QTest::keyClick(Edit(), Qt::Key_Return);
    });
    EXPECT_EQ(playerName_, "Kim");
}

} // namespace
} // namespace tumbaro

int main(int argc, char** argv)
{
    // Test discovery runs the binary without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
