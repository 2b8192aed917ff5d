#include "ui/window/pixel_ratio_follower.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace tumbaro {

namespace {

// A dialog of the game's own open over `window` (a question, the name entry)
// would close with its surface, and take the player's answer with it.
QWindow* DialogOver(const QWidget* window)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget != window && widget->windowType() == Qt::Dialog && widget->isVisible() && widget->windowHandle())
            return widget->windowHandle();
    return nullptr;
}

} // namespace

PixelRatioFollower::PixelRatioFollower(QWidget* window, std::function<void()> redraw)
    : QObject(window), window_(window), redraw_(std::move(redraw)), drawnFor_(window->devicePixelRatioF())
{
}

void PixelRatioFollower::Attach()
{
    QWindow* handle = window_->windowHandle();
    if (!handle || handle == attached_)
        return;
    attached_ = handle;
    connect(handle, &QWindow::screenChanged, this, [this](QScreen* screen) {
        Follow(screen);
        QueueCheck();
    });
    Follow(handle->screen());
    QueueCheck();
}

void PixelRatioFollower::Follow(QScreen* screen)
{
    for (QMetaObject::Connection& connection : screenSignals_)
        disconnect(connection);
    if (!screen)
        return;
    // A new scale on Wayland changes no property of the screen by itself;
    // it comes with a new logical size and density, which these tell.
    screenSignals_ = {connect(screen, &QScreen::geometryChanged, this, &PixelRatioFollower::QueueCheck),
                      connect(screen, &QScreen::logicalDotsPerInchChanged, this, &PixelRatioFollower::QueueCheck),
                      connect(screen, &QScreen::physicalDotsPerInchChanged, this, &PixelRatioFollower::QueueCheck)};
}

void PixelRatioFollower::QueueCheck()
{
    // One change of an output sends several signals, the first before the
    // screen has taken every new property: look once they have all come.
    if (checkQueued_)
        return;
    checkQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            checkQueued_ = false;
            Check();
        },
        Qt::QueuedConnection);
}

void PixelRatioFollower::Check()
{
    QWindow* handle = window_->windowHandle();
    if (!handle || !handle->screen())
        return;
    const qreal screenRatio = handle->screen()->devicePixelRatio();
    // Once for each new screen ratio: a platform that keeps its own ratio
    // even on a new surface is not asked over and over.
    if (handle->devicePixelRatio() != screenRatio && renewedFor_ != screenRatio) {
        if (QWindow* dialog = DialogOver(window_)) {
            // The window is made anew once the dialog has closed.
            connect(dialog, &QWindow::visibleChanged, this, &PixelRatioFollower::QueueCheck,
                    Qt::SingleShotConnection);
            return;
        }
        renewedFor_ = screenRatio;
        // Hidden first: a widget left shown over a destroyed surface is
        // never shown again.
        window_->hide();
        handle->destroy();
        window_->show();
    }
    const qreal ratio = window_->devicePixelRatioF();
    if (ratio != drawnFor_) {
        drawnFor_ = ratio;
        redraw_();
    }
}

} // namespace tumbaro
