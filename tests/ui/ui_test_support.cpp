#include "ui_test_support.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

namespace tumbaro::test {

WorkFolder::WorkFolder() : previous_(QDir::currentPath())
{
    const QString source = QStringLiteral(TUMBARO_SOURCE_DIR "/assets/runtime/");
    QDir(dir_.path()).mkpath(QStringLiteral("Help"));
    for (const char* file : {"b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV", "H.dat", "H2.dat", "Help/Vendrask.html"})
        if (!QFile::copy(source + QLatin1String(file), dir_.filePath(QLatin1String(file))))
            throw std::runtime_error(std::string("cannot copy ") + file);
    QDir::setCurrent(dir_.path());
}

WorkFolder::~WorkFolder()
{
    QDir::setCurrent(previous_);
    // Restore write access anywhere a test took it away, so cleanup works.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray WorkFolder::Read(const QString& name) const
{
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WorkFolder::Write(const QString& name, const QByteArray& bytes) const
{
    QFile file(Path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + name.toStdString());
}

ModalWatcher::ModalWatcher()
{
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::Look);
    timer_.start(5);
}

void ModalWatcher::Look()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes.push_back({box->text(), box->icon(), box->standardButtons()});
        QAbstractButton* button = box->button(answer);
        if (!button)
            button = box->buttons().value(0);
        button->click();
        return;
    }
    if (modal->objectName() == QLatin1String("HScore")) {
        ++dialogs;
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        if (typeName && edit) {
            edit->clear();
            QTest::keyClicks(edit, name);
        }
        modal->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    }
}

bool WaitUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QTest::qWait(5);
    return done();
}

} // namespace tumbaro::test
