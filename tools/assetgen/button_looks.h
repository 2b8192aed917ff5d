#pragma once
// The picture buttons' looks: the scheme buttons (ImageList1), the new game,
// undo, exit and help looks (ImageList2) and the pictures those buttons show
// before their first press.

#include <QImage>
#include <vector>

namespace tumbaro::assetgen {

std::vector<QImage> SchemeButtonLooks();  // six pictures, 41 x 41
std::vector<QImage> OtherButtonLooks();   // eight pictures, 61 x 49

QImage SchemeButtonPicture(int scheme);   // Image11 (40 x 41), Image12, Image13 (41 x 41)
QImage ExitSign(bool pressed);            // 25 x 25, filling its whole square
QImage HelpPicture();                     // 25 x 25, red question mark on white

} // namespace tumbaro::assetgen
