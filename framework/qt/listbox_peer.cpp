#include "framework/qt/listbox_peer.h"

#include "framework/qt/cell_delegate.h"
#include "framework/qt/control_widgets.h"
#include "framework/qt/list_view.h"

#include <QHeaderView>

namespace fw::detail {

namespace {

Qt::SortOrder OrderOf(bool descending) {
    return descending ? Qt::DescendingOrder : Qt::AscendingOrder;
}

} // namespace

ListView* ListboxPeer::Tree() const {
    return static_cast<ListView*>(Widget());
}

RowModel* ListboxPeer::Rows() const {
    ListView* t = Tree();
    return t ? t->rows : nullptr;
}

ListboxPeer::ListboxPeer(Listbox& owner)
    : ControlPeer(owner, std::make_unique<QtParts>(new ListView())), list_(owner) {
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
                     [this](int column) { FromQt([&] { OnHeadingClicked(column); }); });
}

ListboxPeer::~ListboxPeer() {
    // The delegate goes with the view, which may outlive the peer by an event.
    if (ListView* t = Tree())
        if (auto* delegate = dynamic_cast<CellDelegate*>(t->itemDelegate()))
            delegate->list = nullptr;
}

RowModel& ListboxPeer::LiveRows() const {
    RowModel* r = Rows();
    if (!r)
        throw NilObjectException(list_.Describe() + " has no rows: its window is gone");
    return *r;
}

RowModel& ListboxPeer::ShownRows() {
    RowModel& r = LiveRows();
    Attach();
    return r;
}

void ListboxPeer::Attach() {
    ListView* t = Tree();
    if (!t || t->Attached())
        return;
    t->setModel(t->rows);
    auto* delegate = new CellDelegate(t); // paints rows: no use before
    delegate->list = &list_;
    t->setItemDelegate(delegate);
    if (t->pendingWidth >= 0)
        t->header()->resizeSection(0, t->pendingWidth);
    ApplyHeadingIndex();
}

std::int32_t ListboxPeer::ListCount() const {
    const RowModel* r = Rows();
    return r ? r->Rows() : 0;
}

std::int32_t ListboxPeer::ColumnCount() const {
    const RowModel* r = Rows();
    return r ? r->Columns() : 1;
}

std::int32_t ListboxPeer::LiveRowCount() const {
    return LiveRows().Rows();
}

std::int32_t ListboxPeer::LiveColumnCount() const {
    return LiveRows().Columns();
}

fw::Text ListboxPeer::CellText(std::int32_t row, std::int32_t column) const {
    return FromQString(LiveRows().Text(row, column));
}

void ListboxPeer::AddRow(const fw::Text& text) {
    std::vector<QString> cells;
    cells.push_back(ToQString(text));
    ShownRows().Append(std::move(cells));
}

void ListboxPeer::AppendCells(const std::vector<fw::Text>& cells) {
    RowModel& rows = LiveRows();
    std::vector<QString> row;
    for (int i = 0; i < static_cast<int>(cells.size()) && i < rows.Columns(); ++i)
        row.push_back(ToQString(cells[i]));
    rows.Append(std::move(row));
}

void ListboxPeer::SetHeadings(const std::vector<fw::Text>& headings) {
    RowModel& rows = LiveRows();
    QStringList texts;
    for (const fw::Text& heading : headings)
        texts << ToQString(heading);
    rows.SetHeadings(texts);
}

void ListboxPeer::ClearRows() {
    LiveRows().Clear();
}

void ListboxPeer::SetColumns(std::int32_t count) {
    RowModel& rows = LiveRows();
    if (count > 1)
        Attach();
    rows.SetColumns(count);
}

void ListboxPeer::SortAgain() {
    if (sortedColumn >= 0)
        SortBy(sortedColumn, descending);
}

void ListboxPeer::SortBy(int column, bool inDescendingOrder) {
    descending = inDescendingOrder;
    RowModel& rows = ShownRows();
    Tree()->header()->setSortIndicator(column, OrderOf(descending));
    rows.Sort(column, OrderOf(descending));
}

void ListboxPeer::OnHeadingClicked(int column) {
    Ref<Listbox> keep(&list_);
    if (list_.RaiseEvent("SortColumn", column))
        return; // the handler keeps the order as it is
    const bool flip = sortedColumn == column && !descending;
    sortedColumn = column;
    SortBy(column, flip);
    headingIndex = column;
    ApplyHeadingIndex();
}

void ListboxPeer::ApplyHeadingIndex() {
    if (ListView* t = Tree()) {
        const bool shown = headingIndex >= 0 && headingIndex < t->rows->Columns();
        t->header()->setSortIndicatorShown(shown);
        if (shown) // a heading not yet attached has no sections: it takes the mark on Attach
            t->header()->setSortIndicator(headingIndex, OrderOf(descending));
    }
}

void ListboxPeer::ApplyColumnWidths() {
    ListView* t = Tree();
    if (!t)
        return;
    for (int i = 0; i < static_cast<int>(widths.size()) && i < t->header()->count(); ++i)
        if (widths[i] >= 0)
            t->header()->resizeSection(i, widths[i]);
    t->FillLastColumn();
}

void ListboxPeer::ApplyHasHeading() {
    if (QTreeView* t = Tree())
        t->setHeaderHidden(!hasHeading);
}

void ListboxPeer::ApplySelectionType() {
    if (QTreeView* t = Tree())
        t->setSelectionMode(selectionType == 1 ? QAbstractItemView::ExtendedSelection
                                               : QAbstractItemView::SingleSelection);
}

void ListboxPeer::ApplyBorder() {
    if (QTreeView* t = Tree())
        t->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
}

} // namespace fw::detail
