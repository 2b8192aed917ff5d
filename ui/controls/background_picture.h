#pragma once
// The scheme's background picture behind every other control. It answers
// for every pixel of the window, so nothing beneath it is painted when a
// cell changes; where the picture leaves a gap the window's colour shows.

#include "ui/controls/picture_control.h"

namespace tumbaro {

class BackgroundPicture : public PictureControl {
    Q_OBJECT
public:
    BackgroundPicture(const QString& name, const QRect& geometry, QWidget* parent);
};

} // namespace tumbaro
