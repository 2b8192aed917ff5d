#pragma once
// A picture list of the main window (the ball sets Sxema1Big .. Sxema3Small,
// the button looks ImageList1 and ImageList2): pictures of one size addressed
// by index, each drawn through its transparency mask, in the drawing that
// suits the screen (picture_density.h).

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <vector>

namespace tumbaro {

class PictureList : public QObject {
    Q_OBJECT
public:
    // The pictures ":/lists/<name>/0.png", "1.png", ... up to the first missing
    // one; `name` becomes the object name, so the window finds the list by it.
    explicit PictureList(const QString& name, QObject* parent = nullptr);

    int Count() const;
    // The size of every picture of the list, in layout pixels; empty for a
    // list with none.
    QSize PictureSize() const;
    // Picture k with its transparent colour (the bottom-left pixel's) cleared,
    // in Format_ARGB32_Premultiplied; a null image unless 0 <= k < Count().
    // For a screen of `ratio` that wants sharp pictures it is the "@2x"
    // drawing with a device pixel ratio of 2 (its own transparency kept where
    // it has one), or the plain one where that is missing; above a ratio of
    // 2 it is drawn for that ratio (drawn_pictures.h).
    QImage Picture(int k, qreal ratio = 1.0) const;

    // Draws from the same list under the resource folder `folder` ("symbols/"),
    // or from the list itself for an empty one: the same pictures with
    // something drawn on them, of the same count and size.
    void SetFolder(const QString& folder);

private:
    void DrawAll(int density, qreal ratio) const;

    // Each decoded and masked on its first use, then kept: a start-up draws
    // from two of the eight lists, and drawing then costs nothing extra. A
    // screen draws from one of the two sets only.
    mutable std::vector<QImage> pictures_;
    // For one ratio at a time: the "@2x" set's, or those drawn for a finer one.
    mutable std::vector<QImage> sharp_;
    mutable qreal sharpFor_ = 0;
    QSize size_;
    QString folder_;
};

} // namespace tumbaro
