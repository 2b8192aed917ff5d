#include "picture_list.h"

#include "stored_pictures.h"

namespace tumbaro {

PictureList::PictureList(const QString& name, QObject* parent) : QObject(parent)
{
    setObjectName(name);
    for (int k = 0;; ++k) {
        const QImage picture(QString(":/lists/%1/%2.png").arg(name).arg(k));
        if (picture.isNull())
            break;
        pictures_.push_back(TransparentByBottomLeft(picture));
    }
}

int PictureList::Count() const { return static_cast<int>(pictures_.size()); }

QSize PictureList::PictureSize() const { return pictures_.empty() ? QSize() : pictures_.front().size(); }

QImage PictureList::Picture(int k) const
{
    if (k < 0 || k >= Count())
        return {};
    return pictures_[static_cast<size_t>(k)];
}

} // namespace tumbaro
