#pragma once
// The high-score table as the window shows it: the table itself, and one
// list model for each of its two columns, names and scores, which the two
// list boxes view. A new table replaces changed lines in place, so a line
// the player selected stays selected.

#include "scores/high_score_table.h"

#include <QAbstractListModel>

namespace tumbaro {

class HighScoreModel : public QObject {
    Q_OBJECT
public:
    explicit HighScoreModel(QObject* parent);

    HighScoreTable Table() const { return {names_.Lines(), scores_.Lines()}; }
    // Lines are shown, and kept, as UTF-8 text: a line an older version wrote
    // in Latin-1 reads as it always did, and is written back in UTF-8.
    void SetTable(HighScoreTable table);
    // Both files of a table as they stand now; a failure shows what was
    // read before it.
    void Load(const TableFileSet& files = ClassicTable);

    QAbstractItemModel* Names() { return &names_; }
    QAbstractItemModel* Scores() { return &scores_; }

private:
    class Column : public QAbstractListModel {
    public:
        explicit Column(QObject* parent) : QAbstractListModel(parent) {}
        int rowCount(const QModelIndex& parent) const override;
        QVariant data(const QModelIndex& index, int role) const override;
        Qt::ItemFlags flags(const QModelIndex& index) const override;
        const std::vector<std::string>& Lines() const { return lines_; }
        void SetLines(std::vector<std::string> lines);

    private:
        std::vector<std::string> lines_;
    };

    Column names_;
    Column scores_;
};

} // namespace tumbaro
