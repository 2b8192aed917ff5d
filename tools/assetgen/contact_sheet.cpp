// contact-sheet: one picture of every ball and button look, drawn from the
// game's own resources through the same loaders and masks the window uses.
//   contact-sheet <background-folder> <output.png>
// The background folder holds b1.jpg .. b3.jpg (assets/runtime).

#include "ui/pictures/jpeg_loader.h"
#include "ui/pictures/picture_list.h"
#include "ui/pictures/stored_pictures.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <cstdio>
#include <exception>

namespace {

using tumbaro::PictureList;

constexpr int Cell = 50, Pitch = 52;
// Where the board's top-left cell falls in a background picture, which the
// window draws from (-8, -24).
constexpr QPoint BoardInPicture{112 + 8, 32 + 24};
const QColor WindowColour(0xB9, 0xD1, 0xEA);

// A cell draws its picture centred (offsets truncated toward zero) and clipped.
void DrawCell(QPainter& p, QPoint cellTopLeft, const QImage& picture)
{
    p.save();
    p.setClipRect(QRect(cellTopLeft, QSize(Cell, Cell)));
    p.drawImage(cellTopLeft + QPoint((Cell - picture.width()) / 2, (Cell - picture.height()) / 2), picture);
    p.restore();
}

void Label(QPainter& p, QPoint at, const QString& text)
{
    p.setPen(QColor(0x1D, 0x2A, 0x3A));
    p.drawText(at, text);
}

// Two board rows of a scheme over its own background: the big balls, then the
// small ones as a picked ball shows them.
QImage SchemeStrip(int scheme, const QString& backgroundFolder)
{
    const QImage background = tumbaro::LoadJpegFile(QString("%1/b%2.jpg").arg(backgroundFolder).arg(scheme));
    const QRect area(BoardInPicture - QPoint(8, 8), QSize(8 * Pitch + 14, 2 * Pitch + 14));
    QImage strip = background.copy(area).convertToFormat(QImage::Format_RGB32);
    QPainter p(&strip);
    const PictureList big(QString("Sxema%1Big").arg(scheme));
    const PictureList small(QString("Sxema%1Small").arg(scheme));
    for (int k = 0; k < 8; ++k) {
        DrawCell(p, QPoint(8 + k * Pitch, 8), big.Picture(k));
        DrawCell(p, QPoint(8 + k * Pitch, 8 + Pitch), small.Picture(k));
    }
    return strip;
}

QImage Sheet(const QString& backgroundFolder)
{
    QImage sheet(560, 760, QImage::Format_RGB32);
    sheet.fill(WindowColour);
    QPainter p(&sheet);
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);

    int y = 8;
    const char* shapes[] = {"spheres", "cones", "rings"};
    for (int scheme = 1; scheme <= 3; ++scheme) {
        Label(p, {12, y + 12}, QString("Scheme %1: %2, values 0 to 7, big and small").arg(scheme).arg(shapes[scheme - 1]));
        const QImage strip = SchemeStrip(scheme, backgroundFolder);
        p.drawImage(QPoint(12, y + 18), strip);
        y += strip.height() + 26;
    }

    Label(p, {12, y + 12}, "Scheme buttons (ImageList1) and their stored pictures");
    const PictureList schemeLooks("ImageList1");
    for (int k = 0; k < schemeLooks.Count(); ++k)
        p.drawImage(QPoint(12 + k * 48, y + 20), schemeLooks.Picture(k));
    for (int k = 0; k < 3; ++k)
        p.drawImage(QPoint(320 + k * 48, y + 20),
                    tumbaro::TransparentByBottomLeft(tumbaro::StoredPicture(QString("Image%1").arg(11 + k))));
    y += 70;

    Label(p, {12, y + 12}, "Other buttons (ImageList2)");
    const PictureList buttonLooks("ImageList2");
    for (int k = 0; k < buttonLooks.Count(); ++k)
        p.drawImage(QPoint(12 + k * 66, y + 20), buttonLooks.Picture(k));
    y += 78;

    Label(p, {12, y + 12}, "Stored with controls: headings, exit, help, frame, icon");
    auto stored = [&](const char* name, QPoint at, bool transparent = true) {
        const QImage picture = tumbaro::StoredPicture(name);
        p.drawImage(at, transparent ? tumbaro::TransparentByBottomLeft(picture) : picture);
    };
    stored("Image10", {12, y + 22});
    stored("Image14", {172, y + 20});
    stored("Exit", {344, y + 22});
    stored("Help", {376, y + 22});
    stored("icon", {410, y + 20}, false);
    // A corner of the score frame as the window assembles it.
    const QPoint frame(450, y + 20);
    stored("Image5", frame, false);
    stored("Image4", frame + QPoint(16, 0), false);
    stored("Image1", frame + QPoint(0, 16), false);
    p.end();
    return sheet.copy(0, 0, 560, std::min(760, y + 100));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: contact-sheet <background-folder> <output.png>\n");
        return 2;
    }
    try {
        QImageWriter writer(args[2], "png");
        if (!writer.write(Sheet(args[1]))) {
            std::fprintf(stderr, "contact-sheet: %s\n", qPrintable(writer.errorString()));
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "contact-sheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
