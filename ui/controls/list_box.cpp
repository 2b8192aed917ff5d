#include "ui/controls/list_box.h"

namespace tumbaro {

ListBox::ListBox(QWidget* parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A long name or score is cut at the box's edge, never shortened.
    setTextElideMode(Qt::ElideNone);
}

QStringList ListBox::Lines() const
{
    QStringList lines;
    if (const QAbstractItemModel* shown = model())
        for (int row = 0; row < shown->rowCount(); ++row)
            lines.push_back(shown->index(row, 0).data().toString());
    return lines;
}

} // namespace tumbaro
