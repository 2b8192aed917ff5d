#include "cutout_text.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <stdexcept>

namespace tumbaro::drawing {

QFont LetterFont(const QString& family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(path);
}

double FittedScale(const QString& text, const QFont& font, const QRectF& box)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    return std::min(box.width() / bounds.width(), box.height() / bounds.height());
}

namespace {

// True when `family` is installed and draws every letter of `word` itself,
// without borrowing from another font.
bool Covers(const QString& family, const QString& word)
{
    const QFont font = LetterFont(family, 20);
    if (QFontInfo(font).family() != family)
        return false;
    const QFontMetricsF metrics(font);
    for (const char32_t letter : word.toUcs4())
        if (letter != U' ' && !metrics.inFontUcs4(letter))
            return false;
    return true;
}

} // namespace

QPainterPath FittedWord(const QString& word, const QStringList& families, int pixelSize, const QRectF& box,
                        double wantedScale)
{
    QString best;
    double bestScale = 0;
    for (const QString& family : families) {
        if (!Covers(family, word))
            continue;
        const double scale = FittedScale(word, LetterFont(family, pixelSize), box);
        if (scale >= wantedScale * 0.999)
            return FittedText(word, LetterFont(family, pixelSize), box);
        if (scale > bestScale)
            best = family, bestScale = scale;
    }
    if (best.isEmpty())
        throw std::runtime_error("no font draws \"" + word.toStdString() + "\"");
    return FittedText(word, LetterFont(best, pixelSize), box);
}

void PaintCutout(QImage& image, const QPainterPath& path, const LetterFill& fill, Rgb edge, int density)
{
    QImage coverage(image.size(), QImage::Format_Grayscale8);
    coverage.fill(0);
    {
        QPainter p(&coverage);
        p.setRenderHint(QPainter::Antialiasing, true);
        if (density > 1)
            p.scale(density, density);
        p.fillPath(path, Qt::white);
    }
    const int w = image.width(), h = image.height();
    auto solid = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && coverage.constScanLine(y)[x] >= 128;
    };
    const QRectF bounds = path.boundingRect();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (solid(x, y)) {
                image.setPixel(x, y, ToBallPixel(fill((x + 0.5) / density, (y + 0.5) / density, bounds.top(),
                                                      bounds.bottom())));
                continue;
            }
            // The ring: every neighbour within one layout pixel (the 3 x 3
            // square at density 1).
            bool touches = false;
            for (int dy = -density; dy <= density; ++dy)
                for (int dx = -density; dx <= density; ++dx)
                    touches = touches || (dx * dx + dy * dy <= density * density + 1 && solid(x + dx, y + dy));
            if (touches)
                image.setPixel(x, y, ToBallPixel(edge));
        }
}

} // namespace tumbaro::drawing
