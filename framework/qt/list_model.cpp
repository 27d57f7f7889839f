#include "framework/qt/list_model.h"

#include <algorithm>
#include <numeric>

namespace fw::detail {

RowModel::RowModel(QObject* parent) : QAbstractItemModel(parent) {
    SetColumns(1);
}

const QString& RowModel::Text(int row, int column) const {
    static const QString none;
    const std::vector<QString>& cells = rows_[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : none;
}

void RowModel::SetColumns(int count) {
    const int old = columns_;
    if (count < old) {
        beginRemoveColumns({}, count, old - 1);
        columns_ = count;
        endRemoveColumns();
    } else if (count > old) {
        beginInsertColumns({}, old, count - 1);
        for (int i = old; i < count; ++i)
            headings_.push_back(QString::number(i + 1));
        columns_ = count;
        endInsertColumns();
    }
}

void RowModel::SetHeadings(const QStringList& headings) {
    if (Columns() < headings.size())
        SetColumns(static_cast<int>(headings.size()));
    if (headings.isEmpty())
        return;
    for (qsizetype i = 0; i < headings.size(); ++i)
        headings_[static_cast<std::size_t>(i)] = headings[i];
    emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(headings.size()) - 1);
}

void RowModel::Append(std::vector<QString> cells) {
    const int row = Rows();
    beginInsertRows({}, row, row);
    rows_.push_back(std::move(cells));
    endInsertRows();
}

void RowModel::Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void RowModel::Sort(int column, Qt::SortOrder how) {
    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    auto less = [&](int a, int b) { return Text(a, column).localeAwareCompare(Text(b, column)) < 0; };
    if (how == Qt::AscendingOrder)
        std::stable_sort(order.begin(), order.end(), less);
    else
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return less(b, a); });
    if (std::is_sorted(order.begin(), order.end()))
        return; // already in order: nothing moves
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<std::vector<QString>> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> newRow(rows_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(rows_[static_cast<std::size_t>(order[i])]));
        newRow[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    }
    rows_ = std::move(sorted);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& i : from)
        to.push_back(index(newRow[static_cast<std::size_t>(i.row())], i.column()));
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QModelIndex RowModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= Rows() || column < 0 || column >= Columns())
        return {};
    return createIndex(row, column);
}

bool RowModel::hasChildren(const QModelIndex& parent) const {
    return !parent.isValid() && !rows_.empty();
}

Qt::ItemFlags RowModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

QVariant RowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const std::vector<QString>& cells = rows_[static_cast<std::size_t>(index.row())];
    if (static_cast<std::size_t>(index.column()) >= cells.size())
        return {};
    return cells[static_cast<std::size_t>(index.column())];
}

QVariant RowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::EditRole) || section < 0 ||
        section >= Columns())
        return {};
    return headings_[static_cast<std::size_t>(section)];
}

} // namespace fw::detail
