#pragma once
// A picture list of the main window (the ball sets Sxema1Big .. Sxema3Small,
// the button looks ImageList1 and ImageList2): pictures of one size addressed
// by index, each drawn through its transparency mask.

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
    // The size of every picture of the list; empty for a list with none.
    QSize PictureSize() const;
    // Picture k with its transparent colour (the bottom-left pixel's) cleared,
    // in Format_ARGB32_Premultiplied; a null image unless 0 <= k < Count().
    QImage Picture(int k) const;

private:
    // Each decoded and masked on its first use, then kept: a start-up draws
    // from two of the eight lists, and drawing then costs nothing extra.
    mutable std::vector<QImage> pictures_;
    QSize size_;
};

} // namespace tumbaro
