#pragma once
// A list box of the high-score table: lines of text one below the other in a
// sunken frame, one of which the player may select. At rest it draws its
// lines itself; the item view that selects, scrolls and takes keys is built
// when the player reaches for it, or at once when the lines overflow the box.

#include "ui/controls/on_demand_control.h"

#include <QStringList>

class QListWidget;

namespace tumbaro {

class ListBox : public OnDemandControl {
public:
    static constexpr int ItemHeight = 26;

    explicit ListBox(QWidget* parent);

    const QStringList& Lines() const { return lines_; }
    // Changed lines are replaced in place, so a selected line stays selected.
    void SetLines(const QStringList& lines);

protected:
    QAbstractScrollArea* CreateReal() override;
    void PaintContents(QPainter& painter, const QRect& inside) override;

private:
    QListWidget* View() const;

    QStringList lines_;
};

} // namespace tumbaro
