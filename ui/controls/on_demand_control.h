#pragma once
// A control that draws its resting look itself and builds the Qt control it
// stands for only when the player reaches for it: when the pointer enters it,
// the keyboard focus or a key comes to it, or a screen reader is listening.
// Most games never touch the score box or the table, and Qt's text editor and
// item views cost more memory than the rest of the window; built on demand,
// they cost it only in the games that use them. From then on the real control,
// laid over this one, does everything: selection, keys, menus, scrolling.

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QFrame>

namespace tumbaro {

class OnDemandControl : public QFrame, private QAccessible::ActivationObserver {
public:
    ~OnDemandControl() override;

    // The real control once it is built, else null.
    QAbstractScrollArea* Real() const { return real_; }
    // Builds the real control now, if it is not built yet.
    void Realize();

protected:
    explicit OnDemandControl(QWidget* parent);

    // Builds the real control as a child covering this one, showing what
    // this one shows.
    virtual QAbstractScrollArea* CreateReal() = 0;
    // Draws the resting look inside the frame, over the base colour the
    // real control's viewport fills it with.
    virtual void PaintContents(QPainter& painter, const QRect& inside) = 0;
    // Whether the resting control can show that it has the keyboard focus;
    // if not, the focus builds the real control.
    virtual bool ShowsFocusAtRest() const { return false; }

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void accessibilityActiveChanged(bool active) override;
    // A press that came here before the real control existed: it and the
    // rest of its drag go on to the real control.
    bool Forward(QEvent* event);

    QAbstractScrollArea* real_ = nullptr;
    // A press is being carried on, until its buttons are all released.
    bool carrying_ = false;
    // An event is on its way to the real control; what comes back up is
    // the real control passing it on.
    bool sending_ = false;
};

} // namespace tumbaro
