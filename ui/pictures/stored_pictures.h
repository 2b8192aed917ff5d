#pragma once
// The pictures the main window carries with its single controls (buttons,
// headings, frame pieces, icon), and the one rule by which every picture
// marked transparent is drawn: its bottom-left pixel's colour is see-through.

#include <QImage>
#include <QString>

namespace tumbaro {

// The picture stored with a control: "Exit", "Help", "Image1" .. "Image16" or
// "icon". Controls that share a picture (the frame pieces) get the same one.
// A null image for a control that stores none. The picture comes as stored;
// controls drawn transparent pass it through TransparentByBottomLeft. For a
// screen of `ratio` that wants sharp pictures it is the "@2x" drawing, with a
// device pixel ratio of 2, where there is one; above a ratio of 2, drawn at
// the next whole density up (drawn_pictures.h).
QImage StoredPicture(const QString& controlName, qreal ratio = 1.0);

// A copy in Format_ARGB32_Premultiplied in which every pixel of the colour of
// the bottom-left pixel is fully transparent. A null image stays null.
QImage TransparentByBottomLeft(const QImage& picture);

// Reads a PNG picture the game carries. Only Qt's own PNG reader is asked:
// left to guess, Qt offers every picture to each installed image plugin
// first, loading them all (and their libraries) for nothing.
QImage ReadPng(const QString& path);
QSize PngSize(const QString& path);

// A picture with an alpha channel of its own, premultiplied; any other through
// TransparentByBottomLeft.
QImage MaskedPicture(const QImage& picture);

} // namespace tumbaro
