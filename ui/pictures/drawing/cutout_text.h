#pragma once
// Lettering for pictures that are shown with white as the transparent colour:
// the glyphs are cut out hard (no blending into the white) and given a dark
// edge, so they sit cleanly on the window's background.

#include "shading.h"

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>

namespace tumbaro::drawing {

// Pixel colour of a letter at (x, y); `top` and `bottom` bound the glyphs' rows.
using LetterFill = std::function<Rgb(double x, double y, double top, double bottom)>;

// The text's outline, scaled to fit `box` (keeping its proportions) and centred in it.
QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box);

// Paints `path` into `image` (which holds a white ground): pixels at least
// half covered take `fill`, and a one-pixel ring round them takes `edge`.
// At a `density` above 1 the image has that many device pixels per pixel of
// `path` and `fill`; the ring stays one layout pixel wide.
void PaintCutout(QImage& image, const QPainterPath& path, const LetterFill& fill, Rgb edge, int density = 1);

QFont LetterFont(const QString& family, int pixelSize);

// A translated word for a picture: the outline of `word`, fitted to `box` as
// FittedText does, in the first of `families` whose letters come out at least
// `wantedScale` times the font size (the English word's scale), or else in
// the one that draws them largest. Families lacking a letter of the word are
// passed over; throws when none has them all.
QPainterPath FittedWord(const QString& word, const QStringList& families, int pixelSize, const QRectF& box,
                        double wantedScale);

// The scale FittedText applies to `text` in `font` for `box`.
double FittedScale(const QString& text, const QFont& font, const QRectF& box);

} // namespace tumbaro::drawing
