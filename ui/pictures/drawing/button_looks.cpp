#include "button_looks.h"

#include "ball_designs.h"
#include "cutout_text.h"

#include <QPainter>
#include <QPainterPath>

namespace tumbaro::drawing {

namespace {

constexpr QSize ListButtonSize{61, 49};
constexpr QPoint SignOffset{18, 12};  // centres a 25 x 25 sign in 61 x 49

QImage WhitePicture(QSize size, int density = 1)
{
    QImage image(size * density, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage PressedSchemeLook(int scheme, int density)
{
    QImage image = RenderBallAt(density, ShapeOfScheme(scheme), {41, 41}, SchemeButtonDesign(scheme), 0.78);
    // The thin outline is near-white, not white: pure white is the surround
    // and would vanish with it.
    const QRgb outline = qRgb(250, 250, 250);
    if (density > 1) {
        // Round the ball, where nothing else is drawn: a smooth ring.
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(density, density);
        p.setPen(QPen(QColor::fromRgb(outline), 1.0));
        p.drawEllipse(QPointF(20.5, 20.5), 19.0, 19.0);
        p.end();
        return image.convertToFormat(QImage::Format_ARGB32);
    }
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 41; ++x) {
            const double d = std::hypot(x + 0.5 - 20.5, y + 0.5 - 20.5);
            if (d >= 18.5 && d < 19.5)
                image.setPixel(x, y, outline);
        }
    return image;
}

// A bevelled light blue tile with a one-pixel white frame, which is the
// transparent colour and appears nowhere on the tile itself. At a higher
// density each device pixel is shaded by where its top-left corner lies.
QImage Tile(const QPainterPath& text, bool pressed, int density)
{
    QImage image = WhitePicture(ListButtonSize, density);
    const int w = ListButtonSize.width(), h = ListButtonSize.height();
    const Rgb face = Hex(0xA6CFF0), lit = Hex(0xE4F4FE), light = Hex(0xDDF0FC), dark = Hex(0x4E7EB0);
    constexpr int Bevel = 3;
    for (int dy = density; dy < (h - 1) * density; ++dy)
        for (int dxp = density; dxp < (w - 1) * density; ++dxp) {
            const double x = dxp / double(density), y = dy / double(density);
            const double fromLeft = x - 1, fromTop = y - 1, fromRight = w - 2 - (dxp + 1 - density) / double(density),
                         fromBottom = h - 2 - (dy + 1 - density) / double(density);
            Rgb c;
            if (std::min({fromLeft, fromTop, fromRight, fromBottom}) < Bevel) {
                const bool upperLeft = std::min(fromLeft, fromTop) < std::min(fromRight, fromBottom);
                c = upperLeft ? light : dark;
            } else {
                const double dx = (x - w / 2.0) / (w / 2.0), dyc = (y - h / 2.0) / (h / 2.0);
                const double glow = pressed ? std::max(0.0, 1.0 - std::sqrt(dx * dx + dyc * dyc) * 1.1) : 0.0;
                c = Mix(face * (1.04 - 0.12 * (y / double(h))), lit, glow);
            }
            image.setPixel(dxp, dy, ToBallPixel(c));
        }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (density > 1)
        p.scale(density, density);
    p.translate(1, 1);
    p.fillPath(text, QColor(0xF0, 0xF8, 0xFE));  // a faint light shadow lifts the letters off the face
    p.translate(-1, -1);
    p.fillPath(text, QColor(0x74, 0x3A, 0x10));
    return image;
}

QImage ExitSignOnWhite(bool pressed, int density)
{
    QImage image = WhitePicture(ListButtonSize, density);
    QPainter p(&image);
    p.drawImage(SignOffset * density, ExitSign(pressed, density));
    return image;
}

QPainterPath QuestionMark(QPointF centre)
{
    return FittedText("?", LetterFont("DejaVu Sans", 40), QRectF(centre.x() - 9, centre.y() - 10.5, 18, 21));
}

QImage QuestionOnWhite(QSize size, Rgb colour, Rgb edge, int density)
{
    QImage image = WhitePicture(size, density);
    const QPainterPath mark = QuestionMark({size.width() / 2.0, size.height() / 2.0});
    PaintCutout(
        image, mark,
        [colour](double, double y, double top, double bottom) {
            return Mix(colour * 1.25, colour, SmoothStep(top, bottom, y));
        },
        edge, density);
    return image;
}

} // namespace

std::vector<QImage> SchemeButtonLooks(int density)
{
    std::vector<QImage> looks;
    for (int scheme = 1; scheme <= 3; ++scheme) {
        looks.push_back(RenderBallAt(density, ShapeOfScheme(scheme), {41, 41}, SchemeButtonDesign(scheme)));
        looks.push_back(PressedSchemeLook(scheme, density));
    }
    return looks;
}

QImage SchemeButtonPicture(int scheme, int density)
{
    const QSize size = scheme == 1 ? QSize(40, 41) : QSize(41, 41);
    return RenderBallAt(density, ShapeOfScheme(scheme), size, SchemeButtonDesign(scheme));
}

namespace {

const QRectF TileWordBox(9, 15, 43, 19);

QPainterPath EnglishTileWord(const QString& word) { return FittedText(word, LetterFont("DejaVu Sans", 20), TileWordBox); }

// A translated word at least as large as the smaller English one where it
// fits, narrowed to the condensed face where it would come out smaller.
QPainterPath TranslatedTileWord(const QString& word)
{
    const QFont english = LetterFont("DejaVu Sans", 20);
    const double wanted = std::min(FittedScale("NEW", english, TileWordBox), FittedScale("UNDO", english, TileWordBox));
    return FittedWord(word, {"DejaVu Sans", "DejaVu Sans Condensed"}, 20, TileWordBox, wanted);
}

} // namespace

std::vector<QImage> WordTiles(int density, const QString& newGame, const QString& undo)
{
    const QPainterPath first = TranslatedTileWord(newGame), second = TranslatedTileWord(undo);
    return {Tile(first, false, density), Tile(first, true, density), Tile(second, false, density),
            Tile(second, true, density)};
}

std::vector<QImage> OtherButtonLooks(int density)
{
    const Rgb red = Hex(0xD01C22), purple = Hex(0x8A2CB4);
    return {
        Tile(EnglishTileWord("NEW"), false, density),
        Tile(EnglishTileWord("NEW"), true, density),
        Tile(EnglishTileWord("UNDO"), false, density),
        Tile(EnglishTileWord("UNDO"), true, density),
        ExitSignOnWhite(false, density),
        ExitSignOnWhite(true, density),
        QuestionOnWhite(ListButtonSize, red, red * 0.5, density),
        QuestionOnWhite(ListButtonSize, purple, purple * 0.5, density),
    };
}

QImage ExitSign(bool pressed, int density)
{
    const int side = 25 * density;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(QColor(0x16, 0x16, 0x1A));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (density > 1)
        p.scale(density, density);
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
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const QRgb c = image.pixel(x, y);
                image.setPixel(x, y, qRgb((qRed(c) * 5 + 0x30 * 5) / 10, (qGreen(c) * 5 + 0x60 * 5) / 10,
                                          (qBlue(c) * 5 + 0xE0 * 5) / 10));
            }
    }
    return image;
}

QImage HelpPicture(int density)
{
    const Rgb red = Hex(0xD01C22);
    return QuestionOnWhite({25, 25}, red, red * 0.5, density);
}

} // namespace tumbaro::drawing
