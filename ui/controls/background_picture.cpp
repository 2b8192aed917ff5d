#include "ui/controls/background_picture.h"

#include "ui/pictures/jpeg_loader.h"

#include <QPaintEvent>
#include <QPainter>

namespace tumbaro {

namespace {
// Room round each control for what is drawn just outside it: the keyboard
// cursor's frame fills the gap between cells.
constexpr int Margin = 2;
} // namespace

BackgroundPicture::BackgroundPicture(const QString& name, const QRect& geometry, QWidget* parent)
    : PictureControl(name, geometry, Plain, parent)
{
    // It covers the whole window: nothing beneath it needs painting when a
    // cell changes, which makes a tick a tenth as dear.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BackgroundPicture::SetJpeg(JpegPicture picture)
{
    source_ = std::move(picture);
    ForgetTiles();
    update();
}

QImage BackgroundPicture::WholePicture() const
{
    QImage whole
        = source_.image.isNull() && !source_.bytes.isEmpty() ? DecodeJpeg(source_.bytes, source_.name) : source_.image;
    whole.setDevicePixelRatio(source_.density);
    const qreal ratio = devicePixelRatioF();
    if (whole.isNull() || whole.devicePixelRatio() == ratio)
        return whole;
    return FittedTo(whole, whole.deviceIndependentSize().toSize(), ratio);
}

qsizetype BackgroundPicture::KeptBytes() const
{
    qsizetype bytes = source_.bytes.size() + source_.image.sizeInBytes();
    for (const Tile& tile : tiles_)
        bytes += tile.picture.sizeInBytes();
    return bytes;
}

void BackgroundPicture::ForgetTiles()
{
    tiles_.clear();
    kept_ = QRegion();
}

void BackgroundPicture::KeepTiles(const QImage& whole)
{
    for (const QWidget* control : parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (control != this)
            kept_ += control->geometry().adjusted(-Margin, -Margin, Margin, Margin).translated(-pos());
    kept_ &= rect();
    const qreal ratio = whole.devicePixelRatio();
    for (const QRect& part : kept_) {
        const QRect pixels
            = QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio).toAlignedRect() & whole.rect();
        QImage tile = whole.copy(pixels);
        tile.setDevicePixelRatio(ratio);
        tiles_.push_back({part, QPointF(pixels.topLeft()) / ratio, std::move(tile)});
    }
}

void BackgroundPicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (!tiles_.empty() && tiles_.front().picture.devicePixelRatio() != ratio)
        ForgetTiles();
    if (tiles_.empty() || !(event->region() - kept_).isEmpty()) {
        // A gap the window's colour fills until a picture is loaded.
        const QImage whole = WholePicture();
        if (whole.isNull()) {
            painter.fillRect(rect(), palette().window());
            return;
        }
        if (!QRect(QPoint(), whole.deviceIndependentSize().toSize()).contains(rect()))
            painter.fillRect(rect(), palette().window());
        painter.drawImage(QPoint(), whole);
        if (tiles_.empty())
            KeepTiles(whole);
        source_.image = QImage();
        return;
    }
    for (const Tile& tile : tiles_)
        if (event->rect().intersects(tile.area))
            painter.drawImage(tile.at, tile.picture);
}

} // namespace tumbaro
