#pragma once
// Keeps a top-level window drawn for its screen's pixel ratio. When an
// output's scale changes under a running window (from 1x to 2x, say), Qt
// 6.4 on Wayland learns the output's new scale but goes on giving the
// window's surface buffers of the old one, which the compositor enlarges,
// blurred; a surface made anew takes the new scale. Whenever the window's
// ratio has changed, by that or by a move to another screen, `redraw` runs
// so that the window draws its pictures for the new ratio.

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

class QScreen;
class QWidget;
class QWindow;

namespace tumbaro {

class PixelRatioFollower : public QObject {
    Q_OBJECT
public:
    // `window`'s pictures are taken to be drawn for its present ratio.
    PixelRatioFollower(QWidget* window, std::function<void()> redraw);

    // Follows the window's screen from now on; call once the window is shown,
    // when its QWindow exists.
    void Attach();

private:
    void Follow(QScreen* screen);
    void QueueCheck();
    void Check();

    QWidget* window_;
    std::function<void()> redraw_;
    QPointer<QWindow> attached_;
    std::array<QMetaObject::Connection, 3> screenSignals_;
    qreal drawnFor_;
    qreal renewedFor_ = 0; // the screen ratio the surface was last made anew for
    bool checkQueued_ = false;
};

} // namespace tumbaro
