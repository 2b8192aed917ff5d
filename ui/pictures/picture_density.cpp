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

QImage FittedTo(const QImage& picture, QSize logical, qreal ratio)
{
    QImage fitted = picture.scaled((QSizeF(logical) * ratio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(ratio);
    return fitted;
}

namespace {

QImage LoadJpeg(const QString& path, qreal density)
{
    QImage picture = DecodeJpeg(ReadJpegFile(path), path);
    picture.setDevicePixelRatio(density);
    return picture;
}

} // namespace

QImage LoadJpegForScreen(const QString& path, qreal ratio)
{
    // The named file is read first whatever the screen, so a missing or
    // damaged one is the same error at every scale.
    QImage picture = LoadJpeg(path, 1);
    if (!WantsSharpPictures(ratio) || !QFile::exists(SharpName(path)))
        return picture;
    try {
        QImage sharp = LoadJpeg(SharpName(path), SharpDensity);
        // A background is a photograph of its own, with nothing to draw it
        // from: a finer screen gets the largest one fitted here, so only the
        // size on show is kept.
        if (ratio > SharpDensity)
            sharp = FittedTo(sharp, sharp.deviceIndependentSize().toSize(), ratio);
        return sharp;
    } catch (const GameError&) {
        return picture;
    }
}

} // namespace tumbaro
