#include "picture_checks.h"

#include <cstdlib>
#include <vector>

namespace tumbaro::testing {

int EnclosedWhitePixels(const QImage& picture, bool holeAtCentre)
{
    // Fills the reachable white from every border pixel (and the centre), then
    // counts the white left over.
    QImage filled = picture;
    std::vector<QPoint> todo;
    for (int x = 0; x < picture.width(); ++x) todo.insert(todo.end(), {{x, 0}, {x, picture.height() - 1}});
    for (int y = 0; y < picture.height(); ++y) todo.insert(todo.end(), {{0, y}, {picture.width() - 1, y}});
    if (holeAtCentre) todo.push_back({picture.width() / 2, picture.height() / 2});
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (!filled.valid(p) || filled.pixel(p) != White) continue;
        filled.setPixel(p, qRgb(0, 0, 0));
        todo.insert(todo.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
    int enclosed = 0;
    for (int y = 0; y < filled.height(); ++y)
        for (int x = 0; x < filled.width(); ++x) enclosed += filled.pixel(x, y) == White;
    return enclosed;
}

double MeanColourDistance(const QImage& a, const QImage& b, bool intersection)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (intersection ? (p == White || q == White) : (p == White && q == White)) continue;
            sum += (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q))) / 3.0;
            ++count;
        }
    return count == 0 ? 0 : sum / count;
}

} // namespace tumbaro::testing
