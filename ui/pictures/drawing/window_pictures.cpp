#include "window_pictures.h"

#include "ball_shapes.h"
#include "cutout_text.h"
#include "shading.h"

#include <QPainter>
#include <algorithm>

namespace tumbaro::drawing {

namespace {

QImage White(int w, int h, int density)
{
    QImage image(w * density, h * density, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A picture of w by h layout pixels; f gets the layout position of each
// device pixel's top-left corner (whole numbers at density 1).
QImage FromFunction(int w, int h, int density, const std::function<Rgb(double, double)>& f)
{
    QImage image(w * density, h * density, QImage::Format_RGB32);
    for (int y = 0; y < h * density; ++y)
        for (int x = 0; x < w * density; ++x)
            image.setPixel(x, y, ToBallPixel(f(x / double(density), y / double(density))));
    return image;
}

// Across a frame bar: a rounded light blue face and a dark blue last edge.
Rgb BarProfile(double across)
{
    if (across >= 14)
        return Mix(Hex(0x1E3A8A), Hex(0x16296A), (across - 14) / 2.0);
    const double t = across / 13.0;
    return Mix(Hex(0xC8E4FA), Hex(0x86B8E6), t * t) * (1.0 - 0.08 * std::abs(t - 0.3));
}

} // namespace

QImage HighScoreHeading(int density, const QString& word)
{
    QImage image = White(153, 41, density);
    const QRectF box(3, 4, 147, 33);
    const QFont english = LetterFont("Comic Neue", 30);
    // Comic Neue has no Cyrillic; Comfortaa is as round and friendly and has.
    const QPainterPath text =
        word.isEmpty() ? FittedText("Hight Score", english, box)
                       : FittedWord(word, {"Comic Neue", "Comfortaa"}, 30, box, FittedScale("Hight Score", english, box));
    PaintCutout(
        image, text,
        [](double, double y, double top, double bottom) {
            return Mix(Hex(0xFFC040), Hex(0xF07010), SmoothStep(top, bottom, y));
        },
        Hex(0xA03C08), density);
    return image;
}

QImage SchemeCaption(int density, const QString& word)
{
    QImage image = White(161, 65, density);
    const QRectF box(5, 12, 151, 40);
    const QFont english = LetterFont("DejaVu Sans", 40);
    const QPainterPath text = word.isEmpty() ? FittedText("SCHEME", english, box)
                                             : FittedWord(word, {"DejaVu Sans", "DejaVu Sans Condensed"}, 40, box,
                                                          FittedScale("SCHEME", english, box));
    PaintCutout(
        image, text,
        [](double, double y, double top, double bottom) {
            const double t = (y - top) / (bottom - top);
            // The gloss: a bright band over the upper half, a sharp step to the
            // deep red below it, as on a lacquered surface.
            if (t < 0.48)
                return Mix(Hex(0xE8707A), Hex(0xB01A26), SmoothStep(0.0, 0.48, t));
            return Mix(Hex(0x8A0A14), Hex(0x5A0410), SmoothStep(0.48, 1.0, t));
        },
        Hex(0x300208), density);
    return image;
}

QImage FrameSide(int density)
{
    return FromFunction(17, 401, density, [](double x, double) { return BarProfile(x); });
}

QImage FrameEdge(int density)
{
    return FromFunction(161, 17, density, [](double, double y) { return BarProfile(y); });
}

QImage FrameCorner(int density)
{
    return FromFunction(17, 17, density, [](double x, double y) {
        const double dx = (x - 5.0) / 16.0, dy = (y - 5.0) / 16.0;
        const double t = std::sqrt(dx * dx + dy * dy);
        return Mix(Hex(0xB4DAF8), Hex(0x1E3A8A), SmoothStep(0.0, 0.95, t));
    });
}

QImage WindowIcon(int density)
{
    // Drawn in full colour from the ball shapes, then reduced to sixteen
    // colours: the transparent ground first, then blues, magentas and shadows.
    const int side = 32 * density;
    const QImage cone = RenderBall(Shape::Cone, QSize(28, 28) * density, [](const Surface&) {
        return Material{Hex(0xD030C8), 0.5, 30};
    });
    const QImage ball = RenderBall(Shape::Sphere, QSize(21, 21) * density, [](const Surface&) {
        return Material{Hex(0x2C64E0), 0.9, 30};
    });
    QImage full(side, side, QImage::Format_RGB32);
    full.fill(Qt::white);
    auto stamp = [&full](const QImage& picture, QPoint at) {
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) != qRgb(255, 255, 255))
                    full.setPixel(at.x() + x, at.y() + y, picture.pixel(x, y));
    };
    stamp(cone, QPoint(4, 0) * density);
    stamp(ball, QPoint(0, 11) * density);

    const QList<QRgb> palette = {
        qRgba(255, 255, 255, 0), qRgb(8, 8, 24),     qRgb(16, 32, 110),   qRgb(28, 60, 170),
        qRgb(44, 100, 224),      qRgb(100, 150, 246), qRgb(176, 206, 255), qRgb(254, 254, 254),
        qRgb(70, 8, 70),         qRgb(120, 20, 116),  qRgb(170, 36, 164),  qRgb(214, 60, 206),
        qRgb(240, 130, 236),     qRgb(60, 60, 72),    qRgb(130, 130, 140), qRgb(200, 200, 210)};
    QImage icon(side, side, QImage::Format_Indexed8);
    icon.setColorTable(palette);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const QRgb c = full.pixel(x, y);
            int best = 0;
            if (c != qRgb(255, 255, 255)) {
                long bestDistance = -1;
                for (int i = 1; i < palette.size(); ++i) {
                    const long dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                               db = qBlue(c) - qBlue(palette[i]);
                    const long d = dr * dr + dg * dg + db * db;
                    if (bestDistance < 0 || d < bestDistance) {
                        bestDistance = d;
                        best = i;
                    }
                }
            }
            icon.setPixel(x, y, static_cast<uint>(best));
        }
    return icon;
}

QImage Background(int scheme, int density)
{
    struct Tones {
        std::uint32_t deep, soft, panel;
    };
    static const Tones tones[3] = {
        {0x4A3052, 0x7A5A84, 0x2E1E34},  // plum behind the spheres
        {0x566A8C, 0x8EA2C2, 0x3A4866},  // dusk blue-grey behind the cones
        {0x2C6E70, 0x64A29E, 0x205256},  // sea green behind the rings
    };
    const Tones& t = tones[std::clamp(scheme, 1, 3) - 1];
    const auto seed = static_cast<std::uint32_t>(500 + scheme);
    // Where the cells fall in the picture (the picture starts 8 left of and 24
    // above the window's client area).
    constexpr int BoardLeft = 112 + 8, BoardTop = 32 + 24, Pitch = 52, Cell = 50;
    return FromFunction(800, 600, density, [&](double x, double y) {
        const Vec3 p{x / 170.0, y / 170.0, scheme * 3.7};
        const double cloud = Fbm(p, 5, seed);
        const double swirl = Turbulence(p * 0.7 + Vec3{0, 0, 9}, 4, seed + 50);
        Rgb c = Mix(Hex(t.deep), Hex(t.soft), SmoothStep(0.25, 0.8, cloud * 0.75 + swirl * 0.45));
        const double dx = (x - 400.0) / 520.0, dy = (y - 300.0) / 420.0;
        c = c * (1.0 - 0.35 * std::min(1.0, dx * dx + dy * dy));  // vignette
        // A quiet tray under the board: darker, with each cell a shade apart
        // from the gaps, so the balls stand on something.
        // The tray's and the cells' edges fall on whole layout pixels.
        const int ix = static_cast<int>(x), iy = static_cast<int>(y);
        const int bx = ix - (BoardLeft - 6), by = iy - (BoardTop - 6);
        const int span = 8 * Pitch - 2 + 12;
        if (bx >= 0 && by >= 0 && bx < span && by < span) {
            c = Mix(c, Hex(t.panel), 0.45);
            const int cx = ix - BoardLeft, cy = iy - BoardTop;
            if (cx >= 0 && cy >= 0 && cx % Pitch < Cell && cy % Pitch < Cell && cx < 8 * Pitch && cy < 8 * Pitch)
                c = c * 1.12;
        }
        return c;
    });
}

} // namespace tumbaro::drawing
