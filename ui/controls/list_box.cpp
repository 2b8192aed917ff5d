#include "ui/controls/list_box.h"

#include <QListWidget>
#include <QPainter>
#include <QStyleOptionViewItem>

namespace tumbaro {

namespace {

void ShowIn(QListWidget* view, const QStringList& lines)
{
    const int count = static_cast<int>(lines.size());
    while (view->count() > count)
        delete view->takeItem(view->count() - 1);
    for (int i = 0; i < count; ++i) {
        if (i < view->count()) {
            if (view->item(i)->text() != lines[i])
                view->item(i)->setText(lines[i]);
        } else {
            auto* item = new QListWidgetItem(lines[i], view);
            item->setSizeHint(QSize(0, ListBox::ItemHeight));
        }
    }
}

} // namespace

ListBox::ListBox(QWidget* parent) : OnDemandControl(parent)
{
    // The item view's own frame.
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void ListBox::SetLines(const QStringList& lines)
{
    lines_ = lines;
    if (QListWidget* view = View()) {
        ShowIn(view, lines_);
        return;
    }
    // Only the item view can scroll.
    if (lines_.size() * ItemHeight > contentsRect().height())
        Realize();
    else
        update();
}

QListWidget* ListBox::View() const { return static_cast<QListWidget*>(Real()); }

QAbstractScrollArea* ListBox::CreateReal()
{
    auto* view = new QListWidget(this);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setUniformItemSizes(true);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A long name or score is cut at the box's edge, never shortened.
    view->setTextElideMode(Qt::ElideNone);
    ShowIn(view, lines_);
    return view;
}

void ListBox::PaintContents(QPainter& painter, const QRect& inside)
{
    painter.setClipRect(inside);
    // Each line as the item view draws a line that is neither selected nor
    // current.
    QStyleOptionViewItem option;
    option.initFrom(this);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option.widget = this;
    option.font = font();
    option.fontMetrics = fontMetrics();
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.decorationAlignment = Qt::AlignCenter;
    option.decorationPosition = QStyleOptionViewItem::Left;
    option.textElideMode = Qt::ElideNone;
    option.features = QStyleOptionViewItem::HasDisplay;
    option.showDecorationSelected = style()->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, nullptr, this);
    for (int i = 0; i < lines_.size(); ++i) {
        option.rect = QRect(inside.left(), inside.top() + i * ItemHeight, inside.width(), ItemHeight);
        option.text = lines_[i];
        style()->drawControl(QStyle::CE_ItemViewItem, &option, &painter, this);
    }
}

} // namespace tumbaro
