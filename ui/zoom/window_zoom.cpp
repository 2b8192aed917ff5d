#include "ui/zoom/window_zoom.h"

#include "platform/registry_store.h"
#include "ui/layout/window_layout.h"
#include "ui/settings/zoom_setting.h"
#include "ui/zoom/zoom_steps.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <algorithm>

namespace tumbaro {

namespace {

double ScaleFactorFromEnvironment()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? factor : 1.0;
}

// `rect` moved as little as it takes to lie inside `room`, where it can.
QRect KeptInside(QRect rect, const QRect& room)
{
    rect.moveLeft(std::max(room.left(), std::min(rect.left(), room.right() + 1 - rect.width())));
    rect.moveTop(std::max(room.top(), std::min(rect.top(), room.bottom() + 1 - rect.height())));
    return rect;
}

} // namespace

WindowZoom::WindowZoom(QWidget* window, std::filesystem::path settingsFile, Remake remake)
    : QObject(window), window_(window), settingsFile_(std::move(settingsFile)), remake_(std::move(remake)),
      baseFactor_(ScaleFactorFromEnvironment())
{
    setObjectName(QStringLiteral("WindowZoom"));
    Registry registry(settingsFile_);
    wanted_ = ReadZoom(registry);
    Show(FittingZoom(wanted_, LargestOn(QGuiApplication::primaryScreen())), false);
}

void WindowZoom::Attach()
{
    QWindow* handle = window_->windowHandle();
    if (!handle || handle == attached_)
        return;
    attached_ = handle;
    connect(handle, &QWindow::screenChanged, this, [this](QScreen* screen) {
        disconnect(screenGeometry_);
        if (screen)
            screenGeometry_ = connect(screen, &QScreen::availableGeometryChanged, this, &WindowZoom::QueueFit);
        QueueFit();
    });
    disconnect(screenGeometry_);
    if (QScreen* screen = handle->screen())
        screenGeometry_ = connect(screen, &QScreen::availableGeometryChanged, this, &WindowZoom::QueueFit);
    QueueFit();
}

int WindowZoom::LargestOn(const QScreen* screen, bool whole) const
{
    if (!screen)
        return NormalZoom;
    // The screen's ratio is the desktop's scale times the zoom on show.
    const double ratio = screen->devicePixelRatio();
    const QSize room = (QSizeF((whole ? screen->geometry() : screen->availableGeometry()).size()) * ratio).toSize();
    return LargestFittingZoom(QSize(WindowWidth, WindowHeight), ratio * NormalZoom / shown_, room);
}

// In full screen the zoom is the screen's; the keys change the window's. A
// step that goes nowhere keeps what was chosen: a zoom the screen forced is
// never remembered.
void WindowZoom::ZoomIn()
{
    const int from = fullScreen_ ? wanted_ : shown_;
    if (const int to = ZoomedIn(from, LargestOn(window_->screen())); to != from)
        Choose(to);
}

void WindowZoom::ZoomOut()
{
    const int from = fullScreen_ ? wanted_ : shown_;
    if (const int to = ZoomedOut(from); to != from)
        Choose(to);
}

void WindowZoom::ZoomReset() { Choose(NormalZoom); }

void WindowZoom::ToggleFullScreen()
{
    fullScreen_ = !fullScreen_;
    if (fullScreen_ && window_->isVisible()) {
        const QRectF screen = window_->screen()->geometry();
        const QPointF centre = QRectF(window_->geometry()).center() - screen.topLeft();
        restoreAt_ = {centre.x() / screen.width(), centre.y() / screen.height()};
    }
    Fit();
}

void WindowZoom::Choose(int zoom)
{
    wanted_ = zoom;
    Registry registry(settingsFile_);
    StoreZoom(registry, zoom);
    Fit();
}

void WindowZoom::QueueFit()
{
    // A move to another screen or a new scale sends several signals; fit
    // once they have all come.
    if (fitQueued_)
        return;
    fitQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            fitQueued_ = false;
            Fit();
        },
        Qt::QueuedConnection);
}

void WindowZoom::Fit()
{
    // A dialog open over the window would go with its native window.
    if (QApplication::activeModalWidget())
        return;
    QScreen* screen = window_->screen();
    Show(fullScreen_ ? LargestOn(screen, true) : FittingZoom(wanted_, LargestOn(screen)), fullScreen_);
}

void WindowZoom::Show(int zoom, bool fullScreen)
{
    if (zoom == shown_ && window_->isFullScreen() == fullScreen)
        return;
    const auto scale = [this, zoom] {
        QHighDpiScaling::setGlobalFactor(baseFactor_ * zoom / NormalZoom);
        shown_ = zoom;
    };
    if (!window_->isVisible()) {
        scale();
        return;
    }
    // The window's centre stays where it was on its screen, as far as the
    // window stays on the screen; out of full screen it goes back where it was.
    QScreen* screen = window_->screen();
    QPointF share = restoreAt_;
    if (!window_->isFullScreen()) {
        const QRectF before = screen->geometry();
        const QPointF centre = QRectF(window_->geometry()).center() - before.topLeft();
        share = {centre.x() / before.width(), centre.y() / before.height()};
    }
    // Another window of the game open beside it (the statistics) is drawn
    // for the old scale until it too is made anew.
    QList<QWidget*> others;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget != window_ && widget->isVisible() && widget->windowHandle()
            && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog)) {
            others.append(widget);
            widget->hide();
            widget->windowHandle()->destroy();
        }
    remake_(
        [&] {
            scale();
            if (fullScreen)
                return;
            const QRect after = screen->geometry();
            QRectF placed(QPointF(), QSizeF(WindowWidth, WindowHeight));
            placed.moveCenter(after.topLeft() + QPointF(share.x() * after.width(), share.y() * after.height()));
            window_->move(KeptInside(placed.toRect(), screen->availableGeometry()).topLeft());
        },
        fullScreen);
    for (QWidget* widget : others)
        widget->show();
}

} // namespace tumbaro
