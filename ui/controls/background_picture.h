#pragma once
// The scheme's background picture behind every other control. Only the parts
// under the other controls are redrawn while a game goes on, so only those
// are kept decoded; the rest is drawn once from the whole picture, which is
// then let go. Should the rest ever be drawn again, the whole picture is
// decoded afresh from the file's bytes, kept in memory for that.

#include "ui/controls/picture_control.h"
#include "ui/pictures/picture_density.h"

#include <vector>

namespace tumbaro {

class BackgroundPicture : public PictureControl {
    Q_OBJECT
public:
    BackgroundPicture(const QString& name, const QRect& geometry, QWidget* parent);

    void SetJpeg(JpegPicture picture);
    // The whole picture as this screen draws it.
    QImage WholePicture() const;
    // Device pixels kept decoded, for the memory figures.
    qsizetype KeptBytes() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Tile {
        QRect area; // layout pixels it answers for
        QPointF at; // where its first device pixel lands
        QImage picture;
    };
    // Cuts the parts under the other controls out of the whole picture.
    void KeepTiles(const QImage& whole);
    void ForgetTiles();

    JpegPicture source_;
    std::vector<Tile> tiles_;
    QRegion kept_; // the tiles' areas together
};

} // namespace tumbaro
