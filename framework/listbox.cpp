#include "framework/listbox.h"

#include "framework/qt/bridge.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/graphics_peer.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeView>

#include <algorithm>
#include <charconv>
#include <numeric>
#include <string>
#include <vector>

namespace fw {

namespace {

class ListboxPeer;

// The rows as plain texts. Lists are emptied and refilled whole, and an item object per row with its own
// bookkeeping and variant comparisons cost more than the texts themselves.
class RowModel : public QAbstractItemModel {
public:
    explicit RowModel(QObject* parent) : QAbstractItemModel(parent) { SetColumns(1); }

    int Rows() const { return static_cast<int>(rows_.size()); }
    int Columns() const { return columns_; }
    // Empty for a cell the row never got.
    const QString& Text(int row, int column) const {
        static const QString none;
        const std::vector<QString>& cells = rows_[static_cast<std::size_t>(row)];
        return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)]
                                                               : none;
    }

    // Fewer columns hide the cells and headings beyond them; more show them again. Each column added gets
    // its number as a heading, kept after the headings there are (as the platform's own tree list does).
    void SetColumns(int count) {
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

    // More headings than columns add columns.
    void SetHeadings(const QStringList& headings) {
        if (Columns() < headings.size())
            SetColumns(static_cast<int>(headings.size()));
        if (headings.isEmpty())
            return;
        for (qsizetype i = 0; i < headings.size(); ++i)
            headings_[static_cast<std::size_t>(i)] = headings[i];
        emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(headings.size()) - 1);
    }

    void Append(std::vector<QString> cells) {
        const int row = Rows();
        beginInsertRows({}, row, row);
        rows_.push_back(std::move(cells));
        endInsertRows();
    }

    void Clear() {
        beginResetModel();
        rows_.clear();
        endResetModel();
    }

    // Stable, by the column's text compared as the platform's collation orders it. Selected and current
    // rows move with their texts.
    void Sort(int column, Qt::SortOrder how) {
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

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override {
        if (parent.isValid() || row < 0 || row >= Rows() || column < 0 || column >= Columns())
            return {};
        return createIndex(row, column);
    }
    QModelIndex parent(const QModelIndex&) const override { return {}; }
    QModelIndex sibling(int row, int column, const QModelIndex&) const override { return index(row, column); }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : Rows(); }
    int columnCount(const QModelIndex& = {}) const override { return Columns(); }
    bool hasChildren(const QModelIndex& parent = {}) const override {
        return !parent.isValid() && !rows_.empty();
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren
                               : Qt::NoItemFlags;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        const std::vector<QString>& cells = rows_[static_cast<std::size_t>(index.row())];
        if (static_cast<std::size_t>(index.column()) >= cells.size())
            return {};
        return cells[static_cast<std::size_t>(index.column())];
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::EditRole) ||
            section < 0 || section >= Columns())
            return {};
        return headings_[static_cast<std::size_t>(section)];
    }

private:
    std::vector<std::vector<QString>> rows_;
    int columns_ = 0;
    std::vector<QString> headings_; // never fewer than the columns
};

// The last column takes the rest of the row, also while the heading is hidden (a hidden heading never
// stretches its last section itself).
// The view is given its rows only once it has something to show (see ListboxPeer::Attach): an empty
// one-column list without heading looks the same without them, and hooking a view to its rows is a good
// part of what building a window costs.
class ListWidget : public detail::PeerWidget<QTreeView> {
public:
    ListWidget() : rows(new RowModel(this)) {}

    RowModel* const rows;

    bool Attached() const { return model() == rows; }

    // Until then the list has one column (more columns attach it) whose heading section does not exist yet:
    // the width that section would have been stretched to is kept for it.
    int pendingWidth = -1;

    void FillLastColumn() {
        if (!Attached()) {
            if (viewport()->width() > header()->minimumSectionSize())
                pendingWidth = viewport()->width();
            return;
        }
        const int last = header()->count() - 1;
        const int rest = viewport()->width() - header()->sectionPosition(last);
        if (last >= 0 && rest > header()->minimumSectionSize() && rest != header()->sectionSize(last))
            header()->resizeSection(last, rest);
    }

protected:
    void updateGeometries() override {
        QTreeView::updateGeometries();
        FillLastColumn();
    }
};

// Paints each cell: first the list's own class paints the background on a Graphics for the cell, then the
// cell's text goes over it (unless the class answered True: then the cell is all its own).
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    ListboxPeer* peer = nullptr;
};

class ListboxPeer : public detail::ControlPeer {
public:
    explicit ListboxPeer(Listbox& owner) : ControlPeer(owner, new ListWidget()), owner_(owner) {
        QTreeView* t = Tree();
        t->setRootIsDecorated(false);
        t->setIndentation(0);
        t->setUniformRowHeights(true);
        t->setAllColumnsShowFocus(true);
        t->setHeaderHidden(true);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->header()->setStretchLastSection(false);
        t->header()->setSectionsClickable(true);
        t->header()->setSortIndicatorShown(false);
        QObject::connect(t->header(), &QHeaderView::sectionClicked, Context(),
                         [this](int column) { detail::FromQt([&] { OnHeadingClicked(column); }); });
    }
    ~ListboxPeer() override {
        if (delegate_)
            delegate_->peer = nullptr;
    }

    ListWidget* Tree() const { return static_cast<ListWidget*>(Widget()); }
    RowModel* Rows() const {
        ListWidget* t = Tree();
        return t ? t->rows : nullptr;
    }

    // Row operations need the live list.
    RowModel& LiveRows() const {
        RowModel* r = Rows();
        if (!r)
            throw NilObjectException(owner_.Describe() + " has no rows: its window is gone");
        return *r;
    }

    // The same, for a change the view shows.
    RowModel& ShownRows() {
        RowModel& r = LiveRows();
        Attach();
        return r;
    }

    // Hooks the view to its rows, before the change that needs them; the heading's sections exist from
    // here on and take the width and sort mark they would have had all along.
    void Attach() {
        ListWidget* t = Tree();
        if (!t || t->Attached())
            return;
        t->setModel(t->rows);
        delegate_ = new CellDelegate(t); // paints rows: no use before
        delegate_->peer = this;
        t->setItemDelegate(delegate_);
        if (t->pendingWidth >= 0)
            t->header()->resizeSection(0, t->pendingWidth);
        ApplyHeadingIndex();
    }

    void SortBy(int column, Qt::SortOrder how) {
        order = how;
        RowModel& rows = ShownRows();
        Tree()->header()->setSortIndicator(column, how);
        rows.Sort(column, how);
    }

    void OnHeadingClicked(int column) {
        Ref<Listbox> keep(&owner_);
        if (owner_.RaiseEvent("SortColumn", column))
            return; // the handler keeps the order as it is
        const Qt::SortOrder how =
            sortedColumn == column && order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        sortedColumn = column;
        SortBy(column, how);
        headingIndex = column;
        ApplyHeadingIndex();
    }

    void ApplyHeadingIndex() {
        if (ListWidget* t = Tree()) {
            const bool shown = headingIndex >= 0 && headingIndex < t->rows->Columns();
            t->header()->setSortIndicatorShown(shown);
            if (shown) // a heading not yet attached has no sections: it takes the mark on Attach
                t->header()->setSortIndicator(headingIndex, order);
        }
    }

    void ApplyColumnWidths() {
        ListWidget* t = Tree();
        if (!t)
            return;
        for (int i = 0; i < static_cast<int>(widths.size()) && i < t->header()->count(); ++i)
            if (widths[i] >= 0)
                t->header()->resizeSection(i, widths[i]);
        t->FillLastColumn();
    }

    Listbox& owner_;
    QPointer<CellDelegate> delegate_; // goes with the widget
    std::int32_t sortedColumn = -1;
    Qt::SortOrder order = Qt::AscendingOrder;
    std::int32_t headingIndex = -1;
    std::int32_t selectionType = 0;
    bool hasHeading = false;
    bool border = true;
    fw::Text columnWidths;
    std::vector<int> widths; // pixels; -1 leaves the column to the list
    fw::Text initialValue;
};

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    if (peer) {
        Ref<Listbox> keep(&peer->owner_);
        painter->save();
        painter->translate(option.rect.topLeft());
        painter->setClipRect(QRect(QPoint(0, 0), option.rect.size()), Qt::IntersectClip);
        const bool ownCell = detail::FromQt([&] {
            Ref<Graphics> g =
                MakeRef<Graphics>(std::make_unique<detail::GraphicsPeer>(painter, option.rect.size()));
            struct EndLoan {
                Graphics& g;
                ~EndLoan() { g.Peer().Invalidate(); } // a Graphics kept past the paint draws nowhere
            } endLoan{*g};
            return keep->Event_CellBackgroundPaint(*g, index.row(), index.column());
        });
        painter->restore();
        if (ownCell)
            return;
    }
    QStyledItemDelegate::paint(painter, option, index);
}

ListboxPeer& P(const Listbox& c) {
    return detail::PeerOf<ListboxPeer>(c);
}

std::vector<fw::Text> Split(const fw::Text& text, char by) {
    std::vector<fw::Text> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(by, start);
        parts.push_back(text.substr(start, at - start));
        if (at == fw::Text::npos)
            return parts;
        start = at + 1;
    }
}

fw::Text Trim(const fw::Text& s) {
    const std::size_t b = s.find_first_not_of(' ');
    if (b == fw::Text::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// What the setters refuse.

void CheckColumnCount(const Listbox& list, std::int32_t v) {
    if (v < 1 || v > 256)
        throw OutOfBoundsException(list.Describe() + ": ColumnCount " + std::to_string(v) +
                                   " is not within 1 to 256");
    P(list).LiveRows();
}

// Comma-separated: a number of pixels, a percentage of the list's width, or "*" / nothing for the list's.
// In pixels; -1 for the list's own.
std::vector<int> ColumnWidthsIn(const Listbox& list, const fw::Text& v) {
    std::vector<int> widths;
    if (Trim(v).empty())
        return widths;
    for (const fw::Text& raw : Split(v, ',')) {
        fw::Text part = Trim(raw);
        if (part.empty() || part == "*") {
            widths.push_back(-1);
            continue;
        }
        const bool percent = part.back() == '%';
        if (percent)
            part.pop_back();
        int n = 0;
        auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), n);
        if (ec != std::errc() || end != part.data() + part.size() || n < 0 || (percent && n > 100))
            throw UnsupportedFormatException(list.Describe() + ": ColumnWidths '" + v + "' has a width '" +
                                             raw + "' that is not pixels, a percentage or *");
        widths.push_back(percent ? static_cast<int>(static_cast<long long>(list.Width()) * n / 100) : n);
    }
    return widths;
}

void CheckColumnWidths(const Listbox& list, const fw::Text& v) {
    ColumnWidthsIn(list, v);
}

void CheckInitialValue(const Listbox& list, const fw::Text&) {
    P(list).LiveRows();
}

void CheckSelectionType(const Listbox& list, std::int32_t v) {
    if (v != 0 && v != 1)
        throw OutOfBoundsException(list.Describe() + ": SelectionType " + std::to_string(v) +
                                   " is neither 0 (single) nor 1 (multiple)");
}

const PropertyDecl kProperties[] = {
    Declare<&Listbox::ColumnCount, &Listbox::SetColumnCount, &CheckColumnCount>("ColumnCount"),
    Declare<&Listbox::HeadingIndex, &Listbox::SetHeadingIndex>("HeadingIndex"),
    DeclareStored<Listbox>("GridLinesHorizontal", PropertyType::Integer),
    DeclareStored<Listbox>("GridLinesVertical", PropertyType::Integer),
    DeclareStored<Listbox>("DefaultRowHeight", PropertyType::Integer),
    DeclareStored<Listbox>("_ScrollWidth", PropertyType::Integer),
    Declare<&Listbox::SelectionType, &Listbox::SetSelectionType, &CheckSelectionType>("SelectionType"),
    MORVALIT_FONT_PROPERTIES(Listbox),
    Declare<&Listbox::Border, &Listbox::SetBorder>("Border"),
    Declare<&Listbox::HasHeading, &Listbox::SetHasHeading>("HasHeading"),
    DeclareStored<Listbox>("UseFocusRing", PropertyType::Boolean),
    DeclareStored<Listbox>("ScrollBarHorizontal", PropertyType::Boolean),
    DeclareStored<Listbox>("ScrollBarVertical", PropertyType::Boolean),
    DeclareStored<Listbox>("Hierarchical", PropertyType::Boolean),
    DeclareStored<Listbox>("EnableDrag", PropertyType::Boolean),
    DeclareStored<Listbox>("EnableDragReorder", PropertyType::Boolean),
    DeclareStored<Listbox>("RequiresSelection", PropertyType::Boolean),
    DeclareStored<Listbox>("ColumnsResizable", PropertyType::Boolean),
    DeclareStored<Listbox>("AutoHideScrollbars", PropertyType::Boolean),
    Declare<&Listbox::ColumnWidths, &Listbox::SetColumnWidths, &CheckColumnWidths>("ColumnWidths"),
    Declare<&Listbox::InitialValue, &Listbox::SetInitialValue, &CheckInitialValue>("InitialValue"),
    DeclareStored<Listbox>("DataSource", PropertyType::String),
    DeclareStored<Listbox>("DataField", PropertyType::String),
};

const EventDecl kEvents[] = {
    {"SortColumn", kSignatureInt},
    {"CellBackgroundPaint", "( Graphics, Int32, Int32 ) as Boolean"},
};

} // namespace

const ClassInfo& Listbox::Class() {
    static const ClassInfo info{"Listbox", &RectControl::Class(), kProperties, kEvents};
    return info;
}

const ClassInfo& Listbox::GetClass() const {
    return Class();
}

std::unique_ptr<detail::ControlPeer> Listbox::CreatePeer() {
    return std::make_unique<ListboxPeer>(*this);
}

bool Listbox::Event_CellBackgroundPaint(Graphics&, std::int32_t, std::int32_t) {
    return false;
}

void Listbox::AddRow(const fw::Text& text) {
    std::vector<QString> cells;
    cells.push_back(detail::ToQString(text));
    P(*this).ShownRows().Append(std::move(cells));
}

void Listbox::DeleteAllRows() {
    P(*this).LiveRows().Clear();
}

std::int32_t Listbox::ListCount() const {
    const RowModel* r = P(*this).Rows();
    return r ? r->Rows() : 0;
}

fw::Text Listbox::Cell(std::int32_t row, std::int32_t column) const {
    const RowModel& r = P(*this).LiveRows();
    if (row < 0 || row >= r.Rows() || column < 0 || column >= r.Columns())
        throw OutOfBoundsException(Describe() + ": no cell at row " + std::to_string(row) + ", column " +
                                   std::to_string(column) + " (" + std::to_string(r.Rows()) + " rows, " +
                                   std::to_string(r.Columns()) + " columns)");
    return detail::FromQString(r.Text(row, column));
}

std::int32_t Listbox::SortedColumn() const {
    return P(*this).sortedColumn;
}

void Listbox::SetSortedColumn(std::int32_t v) {
    if (v < -1 || v >= ColumnCount())
        throw OutOfBoundsException(Describe() + ": no column " + std::to_string(v) + " to sort on");
    P(*this).sortedColumn = v;
}

void Listbox::Sort() {
    ListboxPeer& p = P(*this);
    if (p.sortedColumn >= 0)
        p.SortBy(p.sortedColumn, p.order);
}

std::int32_t Listbox::ColumnCount() const {
    const RowModel* r = P(*this).Rows();
    return r ? r->Columns() : 1;
}

void Listbox::SetColumnCount(std::int32_t v) {
    CheckColumnCount(*this, v);
    ListboxPeer& p = P(*this);
    RowModel& rows = p.LiveRows();
    if (v > 1)
        p.Attach();
    rows.SetColumns(v);
    if (p.sortedColumn >= v)
        p.sortedColumn = -1;
    p.ApplyColumnWidths();
    p.ApplyHeadingIndex();
}

fw::Text Listbox::ColumnWidths() const {
    return P(*this).columnWidths;
}

void Listbox::SetColumnWidths(const fw::Text& v) {
    std::vector<int> widths = ColumnWidthsIn(*this, v);
    ListboxPeer& p = P(*this);
    p.columnWidths = v;
    p.widths = std::move(widths);
    if (std::any_of(p.widths.begin(), p.widths.end(), [](int w) { return w >= 0; }))
        p.Attach();
    p.ApplyColumnWidths();
}

bool Listbox::HasHeading() const {
    return P(*this).hasHeading;
}

void Listbox::SetHasHeading(bool v) {
    ListboxPeer& p = P(*this);
    p.hasHeading = v;
    if (v)
        p.Attach();
    if (QTreeView* t = p.Tree())
        t->setHeaderHidden(!v);
}

fw::Text Listbox::InitialValue() const {
    return P(*this).initialValue;
}

void Listbox::SetInitialValue(const fw::Text& v) {
    CheckInitialValue(*this, v);
    ListboxPeer& p = P(*this);
    RowModel& rows = p.LiveRows();
    p.initialValue = v;
    // The initial value is the list's contents: it replaces the rows.
    rows.Clear();
    if (v.empty())
        return;
    p.Attach();
    fw::Text lines = v;
    for (char& c : lines)
        if (c == '\r')
            c = '\n';
    bool first = true;
    for (const fw::Text& line : Split(lines, '\n')) {
        const std::vector<fw::Text> cells = Split(line, '\t');
        if (first) {
            QStringList headings;
            for (const fw::Text& cell : cells)
                headings << detail::ToQString(cell);
            rows.SetHeadings(headings);
        }
        if (!first || !p.hasHeading) {
            if (line.empty())
                continue;
            std::vector<QString> row;
            for (int i = 0; i < static_cast<int>(cells.size()) && i < rows.Columns(); ++i)
                row.push_back(detail::ToQString(cells[i]));
            rows.Append(std::move(row));
        }
        first = false;
    }
}

std::int32_t Listbox::HeadingIndex() const {
    return P(*this).headingIndex;
}

void Listbox::SetHeadingIndex(std::int32_t v) {
    P(*this).headingIndex = v;
    P(*this).ApplyHeadingIndex();
}

std::int32_t Listbox::SelectionType() const {
    return P(*this).selectionType;
}

void Listbox::SetSelectionType(std::int32_t v) {
    CheckSelectionType(*this, v);
    P(*this).selectionType = v;
    if (QTreeView* t = P(*this).Tree())
        t->setSelectionMode(v == 1 ? QAbstractItemView::ExtendedSelection
                                   : QAbstractItemView::SingleSelection);
}

bool Listbox::Border() const {
    return P(*this).border;
}

void Listbox::SetBorder(bool v) {
    P(*this).border = v;
    if (QTreeView* t = P(*this).Tree())
        t->setFrameShape(v ? QFrame::StyledPanel : QFrame::NoFrame);
}

MORVALIT_FONT_ACCESSORS(Listbox)

} // namespace fw
