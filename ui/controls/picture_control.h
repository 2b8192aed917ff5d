#pragma once
// A picture control of the main window: shows one picture, optionally centred,
// see-through where the picture's bottom-left colour is, or stretched, and
// reports presses, releases and clicks of any mouse button. Sizes and places
// are layout pixels at every screen scale; a picture drawn for another scale
// than the screen's is fitted to it smoothly.

#include <QImage>
#include <QWidget>

#include <functional>

namespace tumbaro {

class PictureList;

class PictureControl : public QWidget {
    Q_OBJECT
public:
    enum Option { Plain = 0, Centred = 1, Transparent = 2, Stretched = 4 };

    PictureControl(const QString& name, const QRect& geometry, int options, QWidget* parent);

    // Gives the picture drawn for a screen of the ratio it is asked for.
    using PictureSource = std::function<QImage(qreal ratio)>;

    void ClearPicture();
    // Shows the picture `source` draws for this control's screen, and asks it
    // again whenever Redraw is called.
    void SetPictureSource(PictureSource source);
    // Clear, then copy picture k of the list, drawn for this control's
    // screen; an index outside the list leaves the control empty.
    void CopyFromList(const PictureList* list, int k);
    // Draws the picture again from its source for the screen's present ratio,
    // after that has changed; a picture set without a source stays as it is.
    void Redraw();
    const QImage& Picture() const { return picture_; }
    // Where the picture's top-left corner lands inside the control.
    QPoint PictureOffset() const;
    // The picture's size in layout pixels.
    QSize PictureSize() const;

    // A disabled control takes no mouse input at all: presses reach whatever
    // lies beneath it.
    void SetActive(bool active);

signals:
    void MouseDown(Qt::MouseButton button, QPoint position);
    void MouseUp(Qt::MouseButton button);
    // A left press and release over the control; comes before MouseUp.
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The picture at the screen's own pixel ratio, made when the two differ
    // and kept until either changes.
    const QImage& FittedPicture(qreal ratio);
    void ShowPicture(const QImage& picture);

    PictureSource source_;
    QImage picture_;
    QImage fitted_;
    int options_;
    bool leftDown_ = false;
};

} // namespace tumbaro
