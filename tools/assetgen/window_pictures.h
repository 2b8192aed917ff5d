#pragma once
// The pictures stored with single controls of the main window that are not
// buttons: the two headings, the blue frame pieces and the window icon, plus
// the three background pictures the game loads at run time.

#include <QImage>

namespace tumbaro::assetgen {

QImage HighScoreHeading();  // Image10: 153 x 41, "Hight Score" in orange
QImage SchemeCaption();     // Image14: 161 x 65, SCHEME in glossy dark red
QImage FrameSide();         // Image1/Image2: 17 x 401
QImage FrameEdge();         // Image3/Image4/Image9: 161 x 17
QImage FrameCorner();       // Image5..Image8: 17 x 17
QImage WindowIcon();        // 32 x 32, 16 colours, transparent ground
QImage Background(int scheme);  // b1.jpg .. b3.jpg: 800 x 600

} // namespace tumbaro::assetgen
