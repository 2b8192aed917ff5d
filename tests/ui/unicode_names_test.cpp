// Names in any script: typed into the dialog, written to both table files in
// UTF-8, read back after a restart, and an older Latin-1 table read as it
// always was.

#include "window_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace tumbaro::test {
namespace {

using UnicodeNames = WindowTest;

// Types each character as a key press carrying it, as a keyboard in that
// script would.
void Type(QWidget* edit, const QString& text)
{
    for (const uint code : text.toUcs4()) {
        const QString ch = QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, ch);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, ch);
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
}

TEST_F(UnicodeNames, CyrillicAndPolishNamesGoThroughBothFilesAndComeBack)
{
    // An old table: Latin-1 bytes, and a lone LF.
    folder.Write("H.dat", "J\xFCrgen\r\nBob\r\nCid\r\nDee\r\nEve\r\nFay\r\nGus\r\nHal\nIda\r\nJon\r\n");
    folder.Write("H2.dat", "100\r\n90\r\n80\r\n70\r\n60\r\n50\r\n40\r\n30\r\n20\r\n10\r\n");
    Start();
    auto* names = Find<QListWidget>("ListBox1");
    EXPECT_EQ(names->item(0)->text(), QString::fromUtf8("Jürgen")) << "a Latin-1 table reads as before";
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"));

    ModalWatcher watcher;
    watcher.typeName = false;
    watcher.answer = QMessageBox::Yes;
    const QString cyrillic = QString::fromUtf8("Дмитрий");
    const QString polish = QString::fromUtf8("Łukasz Żółć");
    struct Round { QString typed; std::int32_t score; };
    // Names keep eight characters, not eight bytes nor eight UTF-16 units.
    const QString emoji = QString::fromUtf8("😀😀😀😀😀😀😀😀😀");
    for (const Round& g : {Round{cyrillic, 95}, Round{polish, 85}, Round{emoji, 35}}) {
        edit->clear();
        Type(edit, g.typed);
        const std::size_t seen = watcher.boxes.size();
        EndGameWith(g.score);
        ASSERT_TRUE(WaitUntil([&] { return watcher.boxes.size() > seen; }, 4000));
    }

    const QByteArray expectedNames = QByteArray("J\xC3\xBCrgen\r\n") + cyrillic.toUtf8() + "\r\nBob\r\n"
        + QString::fromUtf8("Łukasz Ż").toUtf8() + "\r\nCid\r\nDee\r\nEve\r\nFay\r\nGus\r\n"
        + emoji.left(16).toUtf8() + "\r\n";
    EXPECT_EQ(folder.Read("H.dat"), expectedNames);
    EXPECT_EQ(folder.Read("H2.dat"), "100\r\n95\r\n90\r\n85\r\n80\r\n70\r\n60\r\n50\r\n40\r\n35\r\n");

    Restart();
    names = Find<QListWidget>("ListBox1");
    EXPECT_EQ(names->item(0)->text(), QString::fromUtf8("Jürgen"));
    EXPECT_EQ(names->item(1)->text(), cyrillic);
    EXPECT_EQ(names->item(3)->text(), QString::fromUtf8("Łukasz Ż"));
}

} // namespace
} // namespace tumbaro::test
