// A bare Qt window of the game's size, started the same way as the game: the
// yardstick for the game's start-up time and memory.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(792, 572);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0xB9D1EA));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.show();
    return app.exec();
}
