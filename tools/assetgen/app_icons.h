#pragma once
// The game's icon for desktop menus and software centres: the cone and the
// sphere of the window icon, in full colour with smooth transparent edges, at
// each size a desktop's icon theme asks for.

#include <QImage>
#include <vector>

namespace tumbaro::assetgen {

// The square sizes, in pixels, that an icon theme keeps a picture for.
const std::vector<int>& AppIconSizes();

// A size x size picture with an alpha channel.
QImage AppIcon(int size);

} // namespace tumbaro::assetgen
