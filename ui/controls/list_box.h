#pragma once
// A list box of the high-score table: lines of text one below the other in a
// sunken frame, one of which the player may select. It shows one column of
// the table's model.

#include <QListView>

namespace tumbaro {

class ListBox : public QListView {
    Q_OBJECT
public:
    static constexpr int ItemHeight = 26;

    explicit ListBox(QWidget* parent);

    // The lines shown, top to bottom.
    QStringList Lines() const;
};

} // namespace tumbaro
