#pragma once

#include <QAbstractItemModel>
#include <QString>
#include <QStringList>

#include <vector>

namespace fw::detail {

// The rows of a Listbox as plain texts. Lists are emptied and refilled whole, and an item object per row with
// its own bookkeeping and variant comparisons cost more than the texts themselves.
class RowModel : public QAbstractItemModel {
public:
    explicit RowModel(QObject* parent);

    int Rows() const { return static_cast<int>(rows_.size()); }
    int Columns() const { return columns_; }
    // Empty for a cell the row never got.
    const QString& Text(int row, int column) const;

    // Fewer columns hide the cells and headings beyond them; more show them again. Each column added gets
    // its number as a heading, kept after the headings there are (as the platform's own tree list does).
    void SetColumns(int count);
    // More headings than columns add columns.
    void SetHeadings(const QStringList& headings);
    void Append(std::vector<QString> cells);
    void Clear();
    // Stable, by the column's text compared as the platform's collation orders it. Selected and current
    // rows move with their texts.
    void Sort(int column, Qt::SortOrder how);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex&) const override { return {}; }
    QModelIndex sibling(int row, int column, const QModelIndex&) const override { return index(row, column); }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : Rows(); }
    int columnCount(const QModelIndex& = {}) const override { return Columns(); }
    bool hasChildren(const QModelIndex& parent = {}) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<std::vector<QString>> rows_;
    int columns_ = 0;
    std::vector<QString> headings_; // never fewer than the columns
};

} // namespace fw::detail
