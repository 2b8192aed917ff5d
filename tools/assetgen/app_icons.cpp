#include "app_icons.h"

#include "ball_shapes.h"

#include <QRectF>

namespace tumbaro::assetgen {

using namespace drawing;

namespace {

// Each icon is drawn this many times larger and then averaged down, which
// turns the balls' hard silhouettes into smooth edges over any panel colour.
constexpr int Supersample = 4;

// Where the two balls sit, as fractions of the icon's side: the arrangement
// of the 32 x 32 window icon, so both read as the same mark.
const QRectF ConeBox(4 / 32.0, 0, 28 / 32.0, 28 / 32.0);
const QRectF SphereBox(0, 11 / 32.0, 21 / 32.0, 21 / 32.0);

void Stamp(QImage& canvas, const QImage& ball, QPoint at)
{
    for (int y = 0; y < ball.height(); ++y)
        for (int x = 0; x < ball.width(); ++x) {
            const QRgb c = ball.pixel(x, y);
            if (c != qRgb(255, 255, 255))  // white is the ball's surround
                canvas.setPixel(at.x() + x, at.y() + y, c | 0xFF000000u);
        }
}

QImage Placed(Shape shape, const QRectF& box, int side, const Material& material)
{
    const QSize size(qRound(box.width() * side), qRound(box.height() * side));
    return RenderBall(shape, size, [material](const Surface&) { return material; });
}

// The mean of each factor x factor block, weighted by coverage so that a
// half-covered edge pixel keeps the ball's colour and gets half its opacity.
QImage AverageDown(const QImage& big, int factor)
{
    QImage small(big.width() / factor, big.height() / factor, QImage::Format_ARGB32);
    const int n = factor * factor;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x) {
            long r = 0, g = 0, b = 0, a = 0;
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb c = big.pixel(x * factor + dx, y * factor + dy);
                    const int alpha = qAlpha(c);
                    r += qRed(c) * alpha;
                    g += qGreen(c) * alpha;
                    b += qBlue(c) * alpha;
                    a += alpha;
                }
            if (a == 0) {
                small.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            small.setPixel(x, y, qRgba(int((r + a / 2) / a), int((g + a / 2) / a), int((b + a / 2) / a),
                                       int((a + n / 2) / n)));
        }
    return small;
}

} // namespace

const std::vector<int>& AppIconSizes()
{
    static const std::vector<int> sizes = {16, 24, 32, 48, 64, 128, 256};
    return sizes;
}

QImage AppIcon(int size)
{
    const int side = size * Supersample;
    QImage canvas(side, side, QImage::Format_ARGB32);
    canvas.fill(qRgba(0, 0, 0, 0));
    // The cone first: the sphere lies in front of it.
    Stamp(canvas, Placed(Shape::Cone, ConeBox, side, {Hex(0xD030C8), 0.5, 30}),
          (ConeBox.topLeft() * side).toPoint());
    Stamp(canvas, Placed(Shape::Sphere, SphereBox, side, {Hex(0x2C64E0), 0.9, 30}),
          (SphereBox.topLeft() * side).toPoint());
    return AverageDown(canvas, Supersample);
}

} // namespace tumbaro::assetgen
