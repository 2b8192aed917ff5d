#include "ui/controls/on_demand_control.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>

namespace tumbaro {

OnDemandControl::OnDemandControl(QWidget* parent) : QFrame(parent)
{
    // Reached by Tab and by a click, as the real control is.
    setFocusPolicy(Qt::StrongFocus);
    QAccessible::installActivationObserver(this);
}

OnDemandControl::~OnDemandControl() { QAccessible::removeActivationObserver(this); }

void OnDemandControl::Realize()
{
    if (real_)
        return;
    real_ = CreateReal();
    real_->setGeometry(rect());
    real_->setAccessibleName(accessibleName());
    real_->setAccessibleDescription(accessibleDescription());
    // The real control takes this one's place in the Tab order.
    setTabOrder(this, real_);
    const bool focused = hasFocus();
    setFocusPolicy(Qt::NoFocus);
    real_->show();
    if (focused)
        real_->setFocus(Qt::OtherFocusReason);
}

void OnDemandControl::accessibilityActiveChanged(bool active)
{
    // A screen reader reads the real controls, with all they tell.
    if (active)
        Realize();
}

bool OnDemandControl::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (QAccessible::isActive())
            Realize();
        break;
    case QEvent::Enter:
        Realize();
        break;
    case QEvent::FocusIn:
        // A click gives the focus before its press arrives here.
        if (!real_ && static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
            carrying_ = true;
        if (!real_ && ShowsFocusAtRest()) {
            update();
            break;
        }
        Realize();
        real_->setFocus(static_cast<QFocusEvent*>(event)->reason());
        return true;
    case QEvent::FocusOut:
        update();
        break;
    case QEvent::KeyPress: {
        // Only a resting control that keeps the focus itself gets keys; Tab
        // and a lone modifier move on without building anything. A key the
        // real control passed up goes on to the window.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (real_ || key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Shift || key == Qt::Key_Control
            || key == Qt::Key_Alt || key == Qt::Key_Meta)
            break;
        Realize();
        const QScopedValueRollback sending(sending_, true);
        QGuiApplication::sendEvent(real_, event);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
        // Events the real control passed up go on to the window, as before.
        if (!real_ && !sending_) {
            Realize();
            carrying_ = true;
        }
        [[fallthrough]];
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (carrying_ && !sending_) {
            const bool taken = Forward(event);
            // Carried on while a button is held, and no longer.
            if (QGuiApplication::mouseButtons() == Qt::NoButton)
                carrying_ = false;
            return taken;
        }
        break;
    default:
        break;
    }
    return QFrame::event(event);
}

void OnDemandControl::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, palette().base());
    PaintContents(painter, inside);
}

bool OnDemandControl::Forward(QEvent* event)
{
    QWidget* target = real_->viewport();
    const QScopedValueRollback sending(sending_, true);
    if (event->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        QContextMenuEvent forwarded(
            menu->reason(), target->mapFrom(this, menu->pos()), menu->globalPos(), menu->modifiers());
        QGuiApplication::sendEvent(target, &forwarded);
        event->setAccepted(forwarded.isAccepted());
        return true;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    QMouseEvent forwarded(mouse->type(), target->mapFrom(this, mouse->position()), mouse->scenePosition(),
        mouse->globalPosition(), mouse->button(), mouse->buttons(), mouse->modifiers(), mouse->pointingDevice());
    QGuiApplication::sendEvent(target, &forwarded);
    event->setAccepted(forwarded.isAccepted());
    return true;
}

} // namespace tumbaro
