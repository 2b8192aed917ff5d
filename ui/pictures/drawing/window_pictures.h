#pragma once
// The pictures stored with single controls of the main window that are not
// buttons: the two headings, the blue frame pieces and the window icon, plus
// the three background pictures the game loads at run time. Sizes are in
// layout pixels; at a `density` above 1 each picture has that many device
// pixels per layout pixel.

#include <QImage>
#include <QString>

namespace tumbaro::drawing {

// An empty `word` draws the English one; another is fitted to the same box,
// in a font that has its letters.
QImage HighScoreHeading(int density = 1, const QString& word = {});  // Image10: 153 x 41, "Hight Score" in orange
QImage SchemeCaption(int density = 1, const QString& word = {});     // Image14: 161 x 65, SCHEME in glossy dark red
QImage FrameSide(int density = 1);         // Image1/Image2: 17 x 401
QImage FrameEdge(int density = 1);         // Image3/Image4/Image9: 161 x 17
QImage FrameCorner(int density = 1);       // Image5..Image8: 17 x 17
QImage WindowIcon(int density = 1);        // 32 x 32, 16 colours, transparent ground
QImage Background(int scheme, int density = 1);  // b1.jpg .. b3.jpg: 800 x 600

} // namespace tumbaro::drawing
