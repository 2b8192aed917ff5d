#include "ball_symbols.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace tumbaro::drawing {

namespace {

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// Points round the centre, the first straight up.
QPainterPath Star(int tips, double outer, double inner)
{
    QPolygonF points;
    for (int k = 0; k < 2 * tips; ++k) {
        const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / tips;
        const double r = k % 2 == 0 ? outer : inner;
        points << QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// The signs in a box from -1 to 1 each way. Each is chosen to differ from
// every other in where it is solid, not only in its outline, so that two
// of them stay apart when the picture is taken in at a glance.
QPainterPath Sign(int design)
{
    QPainterPath path;
    switch (design) {
    case 0: // a disc
        path.addEllipse(QPointF(0, 0), 0.8, 0.8);
        return path;
    case 1: // a triangle, point up
        return Polygon({{0, -0.95}, {0.95, 0.75}, {-0.95, 0.75}});
    case 2: { // a crescent moon, opening to the right
        path.addEllipse(QPointF(0, 0), 0.9, 0.9);
        QPainterPath bite;
        bite.addEllipse(QPointF(0.45, -0.1), 0.7, 0.7);
        return path.subtracted(bite);
    }
    case 3: { // a plus
        constexpr double a = 0.24, e = 0.95;
        return Polygon({{-a, -e}, {a, -e}, {a, -a}, {e, -a}, {e, a}, {a, a}, {a, e}, {-a, e}, {-a, a}, {-e, a},
                        {-e, -a}, {-a, -a}});
    }
    case 4: { // a cross
        QTransform turn;
        turn.rotate(45);
        return turn.map(Sign(3));
    }
    case 5: // a five-pointed star
        return Star(5, 1.0, 0.42);
    case 6: // a ring
        path.addEllipse(QPointF(0, 0), 0.9, 0.9);
        path.addEllipse(QPointF(0, 0), 0.45, 0.45);
        return path;
    default: // a heart
        path.moveTo(0, 0.9);
        path.cubicTo(-0.6, 0.45, -1.0, 0.1, -0.95, -0.35);
        path.cubicTo(-0.9, -0.85, -0.25, -1.0, 0, -0.5);
        path.cubicTo(0.25, -1.0, 0.9, -0.85, 0.95, -0.35);
        path.cubicTo(1.0, 0.1, 0.6, 0.45, 0, 0.9);
        path.closeSubpath();
        return path;
    }
}

// The sign's size against the picture's smaller side, and its rim's.
constexpr double SignShare = 0.31; // half the sign's width
constexpr double RimShare = 0.05;
const QColor Dark(0x16, 0x16, 0x16);
const QColor Light(0xF6, 0xF6, 0xF6); // never pure white, the see-through colour

// Most signs are black with a white rim; those of the designs that are
// nearest in colour to one of them in some scheme are white with a black
// rim, so that the two differ in their bulk and not only in their outline.
bool LightSign(int design) { return design == 4 || design == 6 || design == 7; }

QImage SymbolLayer(QSize size, int design)
{
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(size.width(), size.height());
    painter.translate(size.width() / 2.0, size.height() / 2.0);
    QTransform scale;
    scale.scale(side * SignShare, side * SignShare);
    const QPainterPath sign = scale.map(Sign(design));
    const QColor fill = LightSign(design) ? Light : Dark, rim = LightSign(design) ? Dark : Light;
    painter.setPen(QPen(rim, 2 * side * RimShare, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(rim);
    painter.drawPath(sign);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(sign);
    return layer;
}

} // namespace

QImage WithSymbol(const QImage& ball, int design, int density)
{
    const QImage layer = SymbolLayer(ball.size(), design).convertToFormat(QImage::Format_ARGB32);
    if (density != 1) {
        QImage out = ball.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter(&out).drawImage(0, 0, layer);
        return out.convertToFormat(ball.format());
    }
    // On white, the surround: a pixel the sign covers only in part would be
    // a pale fringe round a ring's hole, so there the sign is all or nothing.
    QImage out = ball.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        const auto* sign = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(sign[x]);
            if ((line[x] & 0xFFFFFFu) == 0xFFFFFFu) {
                if (a >= 128)
                    line[x] = qRgb(qRed(sign[x]), qGreen(sign[x]), qBlue(sign[x]));
                continue;
            }
            const auto mix = [a](int over, int under) { return (over * a + under * (255 - a) + 127) / 255; };
            line[x] = qRgb(mix(qRed(sign[x]), qRed(line[x])), mix(qGreen(sign[x]), qGreen(line[x])),
                           mix(qBlue(sign[x]), qBlue(line[x])));
        }
    }
    return out.convertToFormat(ball.format());
}

} // namespace tumbaro::drawing
