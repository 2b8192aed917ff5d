#include "ui/controls/background_picture.h"

namespace tumbaro {

BackgroundPicture::BackgroundPicture(const QString& name, const QRect& geometry, QWidget* parent)
    : PictureControl(name, geometry, Plain, parent)
{
    // It covers the whole window: nothing beneath it needs painting when a
    // cell changes, which makes a tick a tenth as dear.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

} // namespace tumbaro
