#pragma once

#include <QStyledItemDelegate>

namespace fw {
class Listbox;
}

namespace fw::detail {

// Paints each cell of a Listbox: first the list's own class paints the background on a Graphics for the
// cell, then the cell's text goes over it (unless the class answered True: then the cell is all its own).
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // Nil once the list's peer is gone: the cells are then painted plainly.
    Listbox* list = nullptr;
};

} // namespace fw::detail
