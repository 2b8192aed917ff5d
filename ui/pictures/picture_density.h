#pragma once
// Pictures for screens of any pixel density. Every picture the game carries
// comes twice: as laid out ("name.png") and with twice the pixels each way
// ("name@2x.png" beside it, Qt's convention). A screen of ratio 1 draws only
// the first; a ratio up to 2 the second, scaled to fit below 2, so a picture
// is never enlarged from the coarse one; a finer screen has them drawn for it
// (drawn_pictures.h).

#include <QImage>
#include <QString>

namespace tumbaro {

// Device pixels per layout pixel in the sharp pictures.
inline constexpr int SharpDensity = 2;

// True where a screen of `ratio` device pixels per layout pixel draws the
// sharp pictures.
inline bool WantsSharpPictures(qreal ratio) { return ratio > 1.0; }

// Makes the sharp drawings of the pictures the game carries readable under
// their ":/lists" and ":/controls" names; the first call does it.
void RegisterSharpPictures();

// `picture` scaled smoothly to `logical` layout pixels on a screen of
// `ratio`, and marked as drawn for that ratio.
QImage FittedTo(const QImage& picture, QSize logical, qreal ratio);

// "dir/name@2x.ext" for "dir/name.ext".
QString SharpName(const QString& path);

// Loads the JPEG file `path` with every rule and error of LoadJpegFile; on a
// screen that wants sharp pictures, its "@2x" file is drawn instead when it
// is there and sound, and quietly not otherwise. The picture is marked with
// the density it was drawn for; above a ratio of 2 the "@2x" one is fitted to
// the ratio.
QImage LoadJpegForScreen(const QString& path, qreal ratio);

} // namespace tumbaro
