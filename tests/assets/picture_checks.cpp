#include "picture_checks.h"

#include <cstdlib>
#include <deque>

namespace tumbaro::testing {

QImage RawListPicture(const QString& list, int k)
{
    return QImage(QString(":/lists/%1/%2.png").arg(list).arg(k)).convertToFormat(QImage::Format_RGB32);
}

int EnclosedWhitePixels(const QImage& picture, bool holeAtCentre)
{
    const int w = picture.width(), h = picture.height();
    std::vector<char> seen(static_cast<size_t>(w * h), 0);
    std::deque<QPoint> todo;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || seen[static_cast<size_t>(y * w + x)] ||
            picture.pixel(x, y) != White)
            return;
        seen[static_cast<size_t>(y * w + x)] = 1;
        todo.push_back({x, y});
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    if (holeAtCentre)
        visit(w / 2, h / 2);
    while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop_front();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (picture.pixel(x, y) == White && !seen[static_cast<size_t>(y * w + x)])
                ++enclosed;
    return enclosed;
}

double MeanColourDistance(const QImage& a, const QImage& b, bool intersection)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (intersection ? (p == White || q == White) : (p == White && q == White))
                continue;
            sum += (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q))) / 3.0;
            ++count;
        }
    return count == 0 ? 0 : sum / count;
}

} // namespace tumbaro::testing
