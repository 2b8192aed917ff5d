#pragma once
// The window's zooms, in whole percent of its laid-out size at the desktop's
// scale: 100 % and steps of 25 % above it, as far as the screen has room. A
// screen too small for 100 % gets the largest zoom that fits, below 100 %.

#include <QSize>

namespace tumbaro {

inline constexpr int NormalZoom = 100;
inline constexpr int ZoomStep = 25;
// Below this a window is too small to play, fits or not.
inline constexpr int SmallestZoom = 25;
// The most a remembered zoom can ask for.
inline constexpr int LargestZoom = 800;

// The largest zoom at which `window` layout pixels, at `desktopScale` device
// pixels each, fit in `room` device pixels; never below SmallestZoom.
int LargestFittingZoom(QSize window, double desktopScale, QSize room);

// The next step above `zoom` if it fits within `largest`, else `zoom`.
int ZoomedIn(int zoom, int largest);
// The next step below `zoom`, but not below 100 %; a zoom at or below 100 %
// stays.
int ZoomedOut(int zoom);

// The zoom to show: the one asked for where it fits, else the largest that
// fits.
inline int FittingZoom(int wanted, int largest) { return wanted < largest ? wanted : largest; }

} // namespace tumbaro
