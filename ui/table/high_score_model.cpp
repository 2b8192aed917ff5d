#include "ui/table/high_score_model.h"

#include "scores/name_text.h"
#include "ui/controls/list_box.h"

#include <QSize>

namespace tumbaro {

namespace {

void AsUtf8(std::vector<std::string>& lines)
{
    for (std::string& line : lines)
        line = LineAsUtf8(line);
}

} // namespace

HighScoreModel::HighScoreModel(QObject* parent)
    : QObject(parent), names_(this), scores_(this)
{
    setObjectName(QStringLiteral("HighScoreModel"));
}

void HighScoreModel::SetTable(HighScoreTable table)
{
    AsUtf8(table.Names);
    AsUtf8(table.Scores);
    names_.SetLines(std::move(table.Names));
    scores_.SetLines(std::move(table.Scores));
}

void HighScoreModel::Load(const TableFileSet& files)
{
    HighScoreTable table = Table();
    try {
        table.Load({}, files);
    } catch (...) {
        SetTable(std::move(table));
        throw;
    }
    SetTable(std::move(table));
}

int HighScoreModel::Column::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant HighScoreModel::Column::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount({}))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(lines_[static_cast<std::size_t>(index.row())]);
    case Qt::SizeHintRole:
        return QSize(0, ListBox::ItemHeight);
    default:
        return {};
    }
}

Qt::ItemFlags HighScoreModel::Column::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void HighScoreModel::Column::SetLines(std::vector<std::string> lines)
{
    const int was = rowCount({});
    const int now = static_cast<int>(lines.size());
    if (now < was) {
        beginRemoveRows({}, now, was - 1);
        lines_.resize(lines.size());
        endRemoveRows();
    } else if (now > was) {
        beginInsertRows({}, was, now - 1);
        lines_.insert(lines_.end(), lines.begin() + was, lines.end());
        endInsertRows();
    }
    for (int row = 0; row < std::min(was, now); ++row) {
        auto& line = lines_[static_cast<std::size_t>(row)];
        if (line != lines[static_cast<std::size_t>(row)]) {
            line = std::move(lines[static_cast<std::size_t>(row)]);
            emit dataChanged(index(row), index(row), {Qt::DisplayRole});
        }
    }
}

} // namespace tumbaro
