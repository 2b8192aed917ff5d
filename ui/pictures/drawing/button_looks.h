#pragma once
// The picture buttons' looks: the scheme buttons (ImageList1), the new game,
// undo, exit and help looks (ImageList2) and the pictures those buttons show
// before their first press. `density` is device pixels per layout pixel: 1
// for the ordinary pictures, 2 for the sharp ones of a doubled screen, where
// every picture is twice as wide and high and the balls have soft edges.

#include <QImage>
#include <QString>
#include <vector>

namespace tumbaro::drawing {

std::vector<QImage> SchemeButtonLooks(int density = 1);  // six pictures, 41 x 41
std::vector<QImage> OtherButtonLooks(int density = 1);   // eight pictures, 61 x 49
// The first four of those for a translation: new game and undo, released and
// pressed, with the translated words.
std::vector<QImage> WordTiles(int density, const QString& newGame, const QString& undo);

QImage SchemeButtonPicture(int scheme, int density = 1);  // Image11 (40 x 41), Image12, Image13 (41 x 41)
QImage ExitSign(bool pressed, int density = 1);           // 25 x 25, filling its whole square
QImage HelpPicture(int density = 1);                      // 25 x 25, red question mark on white

} // namespace tumbaro::drawing
