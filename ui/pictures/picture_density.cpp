#include "picture_density.h"

#include "engine/game_error.h"
#include "jpeg_loader.h"

#include <QFile>

namespace tumbaro {

QString SharpName(const QString& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const qsizetype dot = path.lastIndexOf('.');
    if (dot <= slash)
        return path + QStringLiteral("@2x");
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QImage LoadJpegForScreen(const QString& path, qreal ratio)
{
    // The named file is read first whatever the screen, so a missing or
    // damaged one is the same error at every scale.
    QImage picture = LoadJpegFile(path);
    if (!WantsSharpPictures(ratio) || !QFile::exists(SharpName(path)))
        return picture;
    try {
        QImage sharp = LoadJpegFile(SharpName(path));
        sharp.setDevicePixelRatio(SharpDensity);
        return sharp;
    } catch (const GameError&) {
        return picture;
    }
}

} // namespace tumbaro
