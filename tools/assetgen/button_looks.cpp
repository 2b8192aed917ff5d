#include "button_looks.h"

#include "ball_designs.h"
#include "cutout_text.h"

#include <QPainter>
#include <QPainterPath>

namespace tumbaro::assetgen {

namespace {

constexpr QSize ListButtonSize{61, 49};
constexpr QPoint SignOffset{18, 12};  // centres a 25 x 25 sign in 61 x 49

QImage WhitePicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage PressedSchemeLook(int scheme)
{
    QImage image = RenderBall(ShapeOfScheme(scheme), {41, 41}, SchemeButtonDesign(scheme), 0.78);
    // The thin outline is near-white, not white: pure white is the surround
    // and would vanish with it.
    const QRgb outline = qRgb(250, 250, 250);
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 41; ++x) {
            const double d = std::hypot(x + 0.5 - 20.5, y + 0.5 - 20.5);
            if (d >= 18.5 && d < 19.5)
                image.setPixel(x, y, outline);
        }
    return image;
}

// A bevelled light blue tile with a one-pixel white frame, which is the
// transparent colour and appears nowhere on the tile itself.
QImage Tile(const QString& word, bool pressed)
{
    QImage image = WhitePicture(ListButtonSize);
    const int w = ListButtonSize.width(), h = ListButtonSize.height();
    const Rgb face = Hex(0xA6CFF0), lit = Hex(0xE4F4FE), light = Hex(0xDDF0FC), dark = Hex(0x4E7EB0);
    constexpr int Bevel = 3;
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            const int fromLeft = x - 1, fromTop = y - 1, fromRight = w - 2 - x, fromBottom = h - 2 - y;
            Rgb c;
            if (std::min({fromLeft, fromTop, fromRight, fromBottom}) < Bevel) {
                const bool upperLeft = std::min(fromLeft, fromTop) < std::min(fromRight, fromBottom);
                c = upperLeft ? light : dark;
            } else {
                const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
                const double glow = pressed ? std::max(0.0, 1.0 - std::sqrt(dx * dx + dy * dy) * 1.1) : 0.0;
                c = Mix(face * (1.04 - 0.12 * (y / double(h))), lit, glow);
            }
            image.setPixel(x, y, ToBallPixel(c));
        }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPainterPath text = FittedText(word, LetterFont("DejaVu Sans", 20), QRectF(9, 15, 43, 19));
    p.translate(1, 1);
    p.fillPath(text, QColor(0xF0, 0xF8, 0xFE));  // a faint light shadow lifts the letters off the face
    p.translate(-1, -1);
    p.fillPath(text, QColor(0x74, 0x3A, 0x10));
    return image;
}

QImage ExitSignOnWhite(bool pressed)
{
    QImage image = WhitePicture(ListButtonSize);
    QPainter p(&image);
    p.drawImage(SignOffset, ExitSign(pressed));
    return image;
}

QPainterPath QuestionMark(QPointF centre)
{
    return FittedText("?", LetterFont("DejaVu Sans", 40), QRectF(centre.x() - 9, centre.y() - 10.5, 18, 21));
}

QImage QuestionOnWhite(QSize size, Rgb colour, Rgb edge)
{
    QImage image = WhitePicture(size);
    const QPainterPath mark = QuestionMark({size.width() / 2.0, size.height() / 2.0});
    PaintCutout(
        image, mark,
        [colour](double, double y, double top, double bottom) {
            return Mix(colour * 1.25, colour, SmoothStep(top, bottom, y));
        },
        edge);
    return image;
}

} // namespace

std::vector<QImage> SchemeButtonLooks()
{
    std::vector<QImage> looks;
    for (int scheme = 1; scheme <= 3; ++scheme) {
        looks.push_back(RenderBall(ShapeOfScheme(scheme), {41, 41}, SchemeButtonDesign(scheme)));
        looks.push_back(PressedSchemeLook(scheme));
    }
    return looks;
}

QImage SchemeButtonPicture(int scheme)
{
    const QSize size = scheme == 1 ? QSize(40, 41) : QSize(41, 41);
    return RenderBall(ShapeOfScheme(scheme), size, SchemeButtonDesign(scheme));
}

std::vector<QImage> OtherButtonLooks()
{
    const Rgb red = Hex(0xD01C22), purple = Hex(0x8A2CB4);
    return {
        Tile("NEW", false),
        Tile("NEW", true),
        Tile("UNDO", false),
        Tile("UNDO", true),
        ExitSignOnWhite(false),
        ExitSignOnWhite(true),
        QuestionOnWhite(ListButtonSize, red, red * 0.5),
        QuestionOnWhite(ListButtonSize, purple, purple * 0.5),
    };
}

QImage ExitSign(bool pressed)
{
    QImage image(25, 25, QImage::Format_RGB32);
    image.fill(QColor(0x16, 0x16, 0x1A));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(QRectF(1, 1, 23, 23), QColor(0x2C, 0x32, 0x40));
    p.setPen(QPen(QColor(0x8C, 0x94, 0xA0), 1.4));
    p.drawEllipse(QPointF(12.5, 12.5), 9.0, 9.0);
    p.drawEllipse(QPointF(12.5, 12.5), 5.5, 5.5);
    p.setPen(QPen(QColor(0xE0, 0x22, 0x2A), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 6), QPointF(19, 19));
    p.drawLine(QPointF(19, 6), QPointF(6, 19));
    p.end();
    if (pressed) {
        // The pressed look: the same sign washed in blue.
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 25; ++x) {
                const QRgb c = image.pixel(x, y);
                image.setPixel(x, y, qRgb((qRed(c) * 5 + 0x30 * 5) / 10, (qGreen(c) * 5 + 0x60 * 5) / 10,
                                          (qBlue(c) * 5 + 0xE0 * 5) / 10));
            }
    }
    return image;
}

QImage HelpPicture()
{
    const Rgb red = Hex(0xD01C22);
    return QuestionOnWhite({25, 25}, red, red * 0.5);
}

} // namespace tumbaro::assetgen
