#pragma once
// Writes JPEG files with libjpeg directly, at fixed settings, so the committed
// bytes never depend on which Qt image plugin happens to be installed.

#include <QImage>
#include <QString>

namespace tumbaro::assetgen {

// Baseline JPEG at the given quality; `fullChroma` keeps colour at full
// resolution (small pictures with sharp coloured edges need it). Throws
// std::runtime_error when the file can't be written.
void WriteJpeg(const QImage& image, const QString& path, int quality, bool fullChroma);

} // namespace tumbaro::assetgen
