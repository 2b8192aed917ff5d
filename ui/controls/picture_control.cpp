#include "ui/controls/picture_control.h"

#include "ui/pictures/picture_density.h"
#include "ui/pictures/picture_list.h"
#include "ui/pictures/stored_pictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace tumbaro {

PictureControl::PictureControl(const QString& name, const QRect& geometry, int options, QWidget* parent)
    : QWidget(parent), options_(options)
{
    setObjectName(name);
    setGeometry(geometry);
}

void PictureControl::ClearPicture()
{
    source_ = nullptr;
    if (picture_.isNull())
        return;
    picture_ = QImage();
    fitted_ = QImage();
    update();
}

void PictureControl::SetPictureSource(PictureSource source)
{
    ShowPicture(source(devicePixelRatioF()));
    source_ = std::move(source);
}

void PictureControl::Redraw()
{
    if (source_)
        ShowPicture(source_(devicePixelRatioF()));
}

void PictureControl::ShowPicture(const QImage& picture)
{
    // Pictures from a list come already masked; others are masked here.
    const bool masked = !picture.isNull() && picture.hasAlphaChannel()
        && qAlpha(picture.pixel(0, picture.height() - 1)) == 0;
    picture_ = (options_ & Transparent) && !masked ? TransparentByBottomLeft(picture) : picture;
    fitted_ = QImage();
    update();
}

void PictureControl::CopyFromList(const PictureList* list, int k)
{
    ClearPicture();
    if (list && k >= 0 && k < list->Count())
        SetPictureSource([list, k](qreal ratio) { return list->Picture(k, ratio); });
}

QPoint PictureControl::PictureOffset() const
{
    if (!(options_ & Centred) || picture_.isNull())
        return {0, 0};
    // Integer division truncates toward zero, as the layout wants.
    const QSize size = PictureSize();
    return {(width() - size.width()) / 2, (height() - size.height()) / 2};
}

QSize PictureControl::PictureSize() const { return picture_.deviceIndependentSize().toSize(); }

const QImage& PictureControl::FittedPicture(qreal ratio)
{
    if (fitted_.isNull() || fitted_.devicePixelRatio() != ratio) {
        fitted_ = FittedTo(picture_, options_ & Stretched ? size() : PictureSize(), ratio);
    }
    return fitted_;
}

void PictureControl::SetActive(bool active)
{
    setEnabled(active);
    setAttribute(Qt::WA_TransparentForMouseEvents, !active);
}

void PictureControl::paintEvent(QPaintEvent*)
{
    const bool opaque = testAttribute(Qt::WA_OpaquePaintEvent);
    if (picture_.isNull() && !opaque)
        return;
    QPainter painter(this);
    // An opaque control answers for every pixel it covers: where its picture
    // leaves a gap (none loaded yet, or a smaller one) the window's colour shows.
    if (opaque && (picture_.isNull() || !QRect(PictureOffset(), PictureSize()).contains(rect())))
        painter.fillRect(rect(), palette().window());
    if (picture_.isNull())
        return;
    // A picture made for this screen's ratio goes on pixel for pixel; any
    // other is first fitted to it, once.
    const qreal ratio = devicePixelRatioF();
    const QImage& picture = picture_.devicePixelRatio() == ratio ? picture_ : FittedPicture(ratio);
    if (options_ & Stretched)
        painter.drawImage(rect(), picture);
    else
        painter.drawImage(PictureOffset(), picture);
}

void PictureControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftDown_ = true;
    emit MouseDown(event->button(), event->position().toPoint());
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && leftDown_) {
        leftDown_ = false;
        if (rect().contains(event->position().toPoint()))
            emit Click();
    }
    emit MouseUp(event->button());
}

} // namespace tumbaro
