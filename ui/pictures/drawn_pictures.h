#pragma once
// Pictures drawn while the game runs, for screens finer than the sharp set
// the game carries: the very drawing the carried pictures were made with,
// at as many device pixels per layout pixel as the screen has, so a large
// zoom or full screen on a dense screen is as sharp as the desktop itself.

#include <QImage>
#include <QString>

#include <vector>

namespace tumbaro {

// The density to draw at for a screen of `ratio` device pixels per layout
// pixel: the next whole one up where the carried pictures are too coarse,
// 0 where they do.
int DrawnDensity(qreal ratio);

// Every picture of the list `name` ("Sxema1Big", "ImageList2", ...) under
// `folder` ("symbols/" or empty), in the window's picture language, at
// `density` and with that device pixel ratio; empty for a list it does not
// know or a word no installed font can draw.
std::vector<QImage> DrawnList(const QString& name, const QString& folder, int density);

// The picture carried as ":/controls/<file>" ("Exit.jpg", "Image10.png"),
// drawn as DrawnList draws; a null image where it can't be.
QImage DrawnControl(const QString& file, int density);

} // namespace tumbaro
