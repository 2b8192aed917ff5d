#pragma once
// The main window's zoom and full screen. The whole program is drawn at the
// desktop's scale times the zoom, so every control, picture, text and dialog
// grows with it, each drawn for the size it has, and pointer positions and
// the screen reader's rectangles follow by themselves. The window opens at
// the zoom the player chose where it fits its screen, else at the largest
// that fits, and fits again when it moves to another screen. In full screen
// it takes the largest zoom the whole screen has room for.

#include <QObject>
#include <QPointer>
#include <QRect>

#include <filesystem>
#include <functional>

class QScreen;
class QWidget;
class QWindow;

namespace tumbaro {

class WindowZoom : public QObject {
    Q_OBJECT
public:
    // Hides the window, lets its native window go, runs `between` and shows
    // the window again, in full screen or not: a window's scale is fixed
    // while its native window lives.
    using Remake = std::function<void(const std::function<void()>& between, bool fullScreen)>;

    // Sets the zoom for `window`, which is not shown yet, on the primary screen.
    WindowZoom(QWidget* window, std::filesystem::path settingsFile, Remake remake);

    // Follows the window's screen from now on; call whenever it is shown.
    void Attach();

    // The zoom on show, in percent.
    int Shown() const { return shown_; }
    int Wanted() const { return wanted_; }

    void ZoomIn();
    void ZoomOut();
    void ZoomReset();

    bool FullScreen() const { return fullScreen_; }
    // Into full screen or out of it, back to the window as it was.
    void ToggleFullScreen();

private:
    // The largest zoom at which the window fits `screen`, the whole of it
    // or the room it leaves beside panels.
    int LargestOn(const QScreen* screen, bool whole = false) const;
    // Asks for `zoom` and remembers it.
    void Choose(int zoom);
    // Shows the wanted zoom, or the largest that fits the window's screen.
    void Fit();
    void QueueFit();
    void Show(int zoom, bool fullScreen);

    QWidget* window_;
    std::filesystem::path settingsFile_;
    Remake remake_;
    QPointer<QWindow> attached_;
    QMetaObject::Connection screenGeometry_;
    double baseFactor_; // a scale the user set for every Qt program
    int wanted_;
    int shown_ = 100;
    bool fitQueued_ = false;
    bool fullScreen_ = false;
    // The window's centre before full screen, in shares of its screen: in
    // the middle for a game started in full screen.
    QPointF restoreAt_{0.5, 0.5};
};

} // namespace tumbaro
