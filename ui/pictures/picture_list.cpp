#include "picture_list.h"

#include "drawn_pictures.h"
#include "picture_density.h"
#include "picture_language.h"
#include "stored_pictures.h"

#include <QFile>

#include <algorithm>

namespace tumbaro {

namespace {
QString PicturePath(const QString& list, int k, const QString& folder = {})
{
    return QStringLiteral(":/lists/%1%2/%3.png").arg(folder, list).arg(k);
}
} // namespace

PictureList::PictureList(const QString& name, QObject* parent) : QObject(parent)
{
    setObjectName(name);
    int count = 0;
    while (QFile::exists(PicturePath(name, count)))
        ++count;
    pictures_.resize(static_cast<std::size_t>(count));
    sharp_.resize(static_cast<std::size_t>(count));
    if (count > 0)
        size_ = PngSize(PicturePath(name, 0));
}

int PictureList::Count() const { return static_cast<int>(pictures_.size()); }

QSize PictureList::PictureSize() const { return size_; }

QImage PictureList::Picture(int k, qreal ratio) const
{
    if (k < 0 || k >= Count())
        return {};
    if (WantsSharpPictures(ratio)) {
        // Drawn for this very ratio where the sharp set is too coarse for it.
        const int density = DrawnDensity(ratio);
        if (const qreal drawnFor = density ? ratio : SharpDensity; sharpFor_ != drawnFor) {
            std::fill(sharp_.begin(), sharp_.end(), QImage());
            sharpFor_ = drawnFor;
        }
        QImage& sharp = sharp_[static_cast<std::size_t>(k)];
        if (sharp.isNull() && density)
            DrawAll(density, ratio);
        if (sharp.isNull()) {
            RegisterSharpPictures();
            sharp = MaskedPicture(ReadPng(SharpName(InPictureLanguage(PicturePath(objectName(), k, folder_)))));
            sharp.setDevicePixelRatio(SharpDensity);
        }
        if (!sharp.isNull())
            return sharp;
    }
    QImage& picture = pictures_[static_cast<std::size_t>(k)];
    if (picture.isNull())
        picture = TransparentByBottomLeft(ReadPng(InPictureLanguage(PicturePath(objectName(), k, folder_))));
    return picture;
}

void PictureList::DrawAll(int density, qreal ratio) const
{
    // One drawing serves the whole list: a board shows every design at once.
    const std::vector<QImage> drawn = DrawnList(objectName(), folder_, density);
    if (drawn.size() != sharp_.size())
        return;
    for (std::size_t k = 0; k < drawn.size(); ++k)
        if (sharp_[k].isNull())
            sharp_[k] = FittedTo(MaskedPicture(drawn[k]), size_, ratio);
}

void PictureList::SetFolder(const QString& folder)
{
    if (folder == folder_)
        return;
    folder_ = folder;
    std::fill(pictures_.begin(), pictures_.end(), QImage());
    std::fill(sharp_.begin(), sharp_.end(), QImage());
}

} // namespace tumbaro
