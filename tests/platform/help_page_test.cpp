// The help button hands the page of the working folder to the desktop, and
// stays silent when there is no page to hand over.

#include "platform/help_page.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

namespace tumbaro {
namespace {

// Stands in for the desktop's browser so that no real one is started.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};

class HelpPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder_, "Open");
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QDir::setCurrent(previous_);
    }

    QTemporaryDir folder_;
    QString previous_;
    UrlRecorder recorder_;
};

TEST_F(HelpPageTest, OpensThePageOfTheWorkingFolder)
{
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("Help")));
    QFile page(folder_.filePath(QStringLiteral("Help/Vendrask.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();

    OpenHelpPage();
    ASSERT_EQ(recorder_.opened.size(), 1);
    EXPECT_EQ(recorder_.opened.front(), QUrl::fromLocalFile(QDir(folder_.path()).absoluteFilePath("Help/Vendrask.html")));
}

TEST_F(HelpPageTest, AMissingPageOpensNothingAndRaisesNothing)
{
    EXPECT_NO_THROW(OpenHelpPage());
    ASSERT_TRUE(QDir(folder_.path()).mkpath(QStringLiteral("Help/Vendrask.html"))); // a folder, not a page
    EXPECT_NO_THROW(OpenHelpPage());
    EXPECT_TRUE(recorder_.opened.isEmpty());
}

} // namespace
} // namespace tumbaro

#include "help_page_test.moc"
