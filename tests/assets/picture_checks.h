#pragma once
// Measures the asset tests share: where white shows through a ball, and how
// far two pictures are apart.

#include <QImage>
#include <QString>

namespace tumbaro::testing {

inline const QRgb White = qRgb(255, 255, 255);

// The stored picture k of a list, as committed (before masking).
inline QImage RawListPicture(const QString& list, int k)
{
    return QImage(QString(":/lists/%1/%2.png").arg(list).arg(k)).convertToFormat(QImage::Format_RGB32);
}

// White pixels that can't be reached from the picture's border, nor from its
// centre when `holeAtCentre`, through white 4-neighbours: places where the
// background would show through the middle of a ball or a tile.
int EnclosedWhitePixels(const QImage& picture, bool holeAtCentre);

// Mean absolute difference per colour channel (0..255) between two pictures of
// one size, over the pixels that are ball in either picture (the union of the
// silhouettes), or only where both are ball (`intersection`).
double MeanColourDistance(const QImage& a, const QImage& b, bool intersection = false);

} // namespace tumbaro::testing
