#include "ui/zoom/zoom_steps.h"

#include <algorithm>
#include <cmath>

namespace tumbaro {

int LargestFittingZoom(QSize window, double desktopScale, QSize room)
{
    if (window.isEmpty() || desktopScale <= 0 || room.isEmpty())
        return NormalZoom;
    const double across = room.width() / (window.width() * desktopScale);
    const double down = room.height() / (window.height() * desktopScale);
    // A hair below a whole percent, as a division leaves it, still counts
    // as that percent.
    const int largest = static_cast<int>(std::floor(std::min(across, down) * 100 + 1e-6));
    return std::clamp(largest, SmallestZoom, LargestZoom);
}

int ZoomedIn(int zoom, int largest)
{
    const int next = zoom < NormalZoom ? NormalZoom : (zoom / ZoomStep + 1) * ZoomStep;
    return next <= largest ? next : zoom;
}

int ZoomedOut(int zoom)
{
    if (zoom <= NormalZoom)
        return zoom;
    return std::max(NormalZoom, (zoom - 1) / ZoomStep * ZoomStep);
}

} // namespace tumbaro
