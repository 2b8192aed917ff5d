#include "stored_pictures.h"

#include "drawn_pictures.h"
#include "jpeg_loader.h"
#include "picture_density.h"
#include "picture_language.h"

#include <QFile>
#include <QHash>
#include <QImageReader>

namespace tumbaro {

namespace {

// Control name to resource file; the frame pieces share three pictures.
const QHash<QString, QString>& StoredFiles()
{
    static const QHash<QString, QString> files = {
        {"Exit", "Exit.jpg"},      {"Help", "Help.png"},       {"Image1", "Image1.jpg"},
        {"Image2", "Image1.jpg"},  {"Image3", "Image4.jpg"},   {"Image4", "Image4.jpg"},
        {"Image9", "Image4.jpg"},  {"Image5", "Image5.jpg"},   {"Image6", "Image5.jpg"},
        {"Image7", "Image5.jpg"},  {"Image8", "Image5.jpg"},   {"Image10", "Image10.png"},
        {"Image11", "Image11.png"}, {"Image12", "Image12.png"}, {"Image13", "Image13.png"},
        {"Image14", "Image14.png"}, {"Image15", "Image15.png"}, {"Image16", "Image16.png"},
        {"icon", "icon.png"},
    };
    return files;
}

} // namespace

namespace {

QImage ReadResource(const QString& path)
{
    if (!path.endsWith(".jpg"))
        return ReadPng(path);
    // The JPEG ones go through our own decoder, like the background files, so
    // they look the same whichever Qt image plugins are installed.
    QFile resource(path);
    if (!resource.open(QIODevice::ReadOnly))
        return {};
    return DecodeJpeg(resource.readAll(), path.mid(path.lastIndexOf('/') + 1));
}

} // namespace

QImage StoredPicture(const QString& controlName, qreal ratio)
{
    const QString file = StoredFiles().value(controlName);
    if (file.isEmpty())
        return {};
    // Drawn once for all the controls that show them (the frame pieces), and
    // let go once the screen wants another density.
    static QHash<QString, QImage> drawn;
    static int drawnAt = 0;
    const int density = DrawnDensity(ratio);
    if (drawnAt != density) {
        drawn.clear();
        drawnAt = density;
    }
    if (density) {
        QImage& picture = drawn[file];
        if (picture.isNull())
            picture = DrawnControl(file, density);
        if (!picture.isNull())
            return picture;
    }
    const QString path = InPictureLanguage(":/controls/" + file);
    if (WantsSharpPictures(ratio)) {
        RegisterSharpPictures();
        if (QFile::exists(SharpName(path))) {
            QImage sharp = ReadResource(SharpName(path));
            sharp.setDevicePixelRatio(SharpDensity);
            return sharp;
        }
    }
    return ReadResource(path);
}

namespace {

void OnlyPng(QImageReader& reader)
{
    reader.setFormat("png");
    reader.setAutoDetectImageFormat(false);
}

} // namespace

QImage ReadPng(const QString& path)
{
    QImageReader reader(path);
    OnlyPng(reader);
    return reader.read();
}

QSize PngSize(const QString& path)
{
    QImageReader reader(path);
    OnlyPng(reader);
    return reader.size();
}

QImage MaskedPicture(const QImage& picture)
{
    if (picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return TransparentByBottomLeft(picture);
}

QImage TransparentByBottomLeft(const QImage& picture)
{
    if (picture.isNull())
        return {};
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(qRed(image.pixel(0, image.height() - 1)), qGreen(image.pixel(0, image.height() - 1)),
                          qBlue(image.pixel(0, image.height() - 1)));
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0x00FFFFFFu) == (key & 0x00FFFFFFu))
                line[x] = 0;
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace tumbaro
